#include "ui/reminders/alertdialog.h"

#include "ui/common/standardbutton.h"
#include "ui/tray/programicon.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace {

// The layout in pixels. Each frame holds its icon and list at the same places.
constexpr int dialogWidth = 443;
constexpr int margin = 4; // around and between the frames
constexpr QSize boxSize(433, 141);
constexpr QRect iconPlace(12, 20, 32, 32);
constexpr QRect listPlace(52, 20, 369, 108);
constexpr int closeLeft = 348;
constexpr QSize closeSize(89, 25);
constexpr int closeGap = 3;     // from the last frame to the button
constexpr int buttonGap = 6;    // between the two buttons
constexpr int bottomMargin = 7; // below the button

// Puts a control at its designed place in a parent of the given size, mirrored when the
// language runs right to left: the places are absolute, which no layout mirrors.
void place(QWidget* control, QSize parentSize, const QRect& designed)
{
    control->setGeometry(
        QStyle::visualRect(control->layoutDirection(), QRect(QPoint(), parentSize), designed));
}

// The button's place: a longer caption than "Close" widens it to the left; its right edge stays.
QRect closePlace(const QPushButton* button, int top)
{
    const int width = std::max(closeSize.width(), button->sizeHint().width());
    return {closeLeft + closeSize.width() - width, top, width, closeSize.height()};
}

} // namespace

AlertDialog::AlertDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAlert"));
    setWindowTitle(tr("Candlewatcher Alert"));
    const QIcon icon = programIcon();
    setWindowIcon(icon);
    // Today's frame alone: the button below it.
    const int closeTop = margin + boxSize.height() + margin + closeGap;
    setFixedSize(dialogWidth, closeTop + closeSize.height() + bottomMargin);

    m_dueBox = new QGroupBox(tr("Birthdays Due Today"), this);
    m_dueBox->setObjectName(QStringLiteral("grpDue"));
    place(m_dueBox, size(), QRect(QPoint(margin, margin), boxSize));

    m_dueList = new QListWidget(m_dueBox);
    m_dueList->setObjectName(QStringLiteral("lstDue"));
    m_dueList->setAccessibleName(m_dueBox->title()); // a list takes no name from its frame
    place(m_dueList, boxSize, listPlace);

    m_dueIcon = new QLabel(m_dueBox);
    m_dueIcon->setObjectName(QStringLiteral("imgDue"));
    place(m_dueIcon, boxSize, iconPlace);
    m_dueIcon->setPixmap(icon.pixmap(iconPlace.size()));

    m_closeButton = new QPushButton(standardButtonText(QDialogButtonBox::Close), this);
    m_closeButton->setObjectName(QStringLiteral("cmdClose"));
    // Enter presses the default button; Escape rejects, which closes the dialog as well.
    m_closeButton->setDefault(true);
    m_closeButton->setAutoDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);
    m_closeButton->setFocus();

    // Left of Close, its menu the lengths; a choice closes the dialog as Close does.
    m_snoozeButton = new QPushButton(tr("&Remind Me Again"), this);
    m_snoozeButton->setObjectName(QStringLiteral("cmdSnooze"));
    m_snoozeButton->setAutoDefault(false);
    auto* lengths = new QMenu(m_snoozeButton);
    lengths->setObjectName(QStringLiteral("mnuSnooze"));
    const std::pair<QString, Snooze::Length> choices[] = {
        {tr("In &10 Minutes"), Snooze::Length::TenMinutes},
        {tr("In 1 &Hour"), Snooze::Length::OneHour},
        {tr("&Tomorrow"), Snooze::Length::Tomorrow}};
    for (const auto& [caption, length] : choices) {
        connect(lengths->addAction(caption), &QAction::triggered, this, [this, length] {
            Q_EMIT snoozeChosen(length);
            accept();
        });
    }
    m_snoozeButton->setMenu(lengths);
    placeButtons(closeTop);

    // However it closes (button, Enter, Escape, the title bar), the dialog and its list go.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void AlertDialog::addDue(const QString& name)
{
    m_dueList->addItem(name);
    arrangeControls();
}

void AlertDialog::addMissed(const QString& entry)
{
    if (!m_missedBox) {
        m_missedBox = new QGroupBox(tr("Missed While Away"), this);
        m_missedBox->setObjectName(QStringLiteral("grpMissed"));
        m_missedList = new QListWidget(m_missedBox);
        m_missedList->setObjectName(QStringLiteral("lstMissed"));
        m_missedList->setAccessibleName(m_missedBox->title());
        place(m_missedList, boxSize, listPlace);
        auto* image = new QLabel(m_missedBox);
        place(image, boxSize, iconPlace);
        image->setPixmap(m_dueIcon->pixmap());
        setTabOrder(m_dueList, m_missedList);
        m_missedBox->show();
    }
    m_missedList->addItem(entry);
    arrangeControls();
}

QStringList AlertDialog::missedEntries() const
{
    QStringList entries;
    for (int row = 0; m_missedList && row < m_missedList->count(); ++row)
        entries.append(m_missedList->item(row)->text());
    return entries;
}

void AlertDialog::arrangeControls()
{
    // Today's frame alone while nothing was missed; the missed events' frame goes below it, and
    // takes its place when nothing is due today.
    const bool due = !m_missedBox || m_dueList->count() > 0;
    m_dueBox->setVisible(due);
    int top = margin;
    if (due)
        top += boxSize.height() + margin;
    if (m_missedBox) {
        place(m_missedBox, size(), QRect(QPoint(margin, top), boxSize));
        top += boxSize.height() + margin;
    }
    setFixedSize(dialogWidth, top + closeGap + closeSize.height() + bottomMargin);
    placeButtons(top + closeGap);
}

void AlertDialog::placeButtons(int top)
{
    const QRect close = closePlace(m_closeButton, top);
    place(m_closeButton, size(), close);
    const int width = m_snoozeButton->sizeHint().width();
    place(m_snoozeButton, size(),
          {close.left() - buttonGap - width, top, width, closeSize.height()});
}

QStringList AlertDialog::dueNames() const
{
    QStringList names;
    for (int row = 0; row < m_dueList->count(); ++row)
        names.append(m_dueList->item(row)->text());
    return names;
}
