#include "ui/reminders/alertdialog.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

int px(int twips)
{
    return (twips + 7) / 15;
}

void setTwipGeometry(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

} // namespace

AlertDialog::AlertDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAlert"));
    setWindowTitle(QStringLiteral("Candlewatcher Alert"));
    const QIcon icon(QStringLiteral(":/icons/candlewatcher.svg"));
    setWindowIcon(icon);
    setFixedSize(px(6645), px(2760));

    m_grpDue = new QGroupBox(QStringLiteral("Birthdays Due Today"), this);
    m_grpDue->setObjectName(QStringLiteral("grpDue"));
    setTwipGeometry(m_grpDue, 60, 60, 6495, 2115);

    m_lstDue = new QListWidget(m_grpDue);
    m_lstDue->setObjectName(QStringLiteral("lstDue"));
    m_lstDue->setAccessibleName(m_grpDue->title()); // a list takes no name from its frame
    setTwipGeometry(m_lstDue, 780, 300, 5535, 1620);

    m_imgDue = new QLabel(m_grpDue);
    m_imgDue->setObjectName(QStringLiteral("imgDue"));
    setTwipGeometry(m_imgDue, 180, 300, 480, 480);
    m_imgDue->setPixmap(icon.pixmap(px(480), px(480)));

    m_cmdClose = new QPushButton(QStringLiteral("Close"), this);
    m_cmdClose->setObjectName(QStringLiteral("cmdClose"));
    setTwipGeometry(m_cmdClose, 5220, 2280, 1335, 375);
    // Enter presses the default button; Escape rejects, which closes the dialog as well.
    m_cmdClose->setDefault(true);
    m_cmdClose->setAutoDefault(true);
    connect(m_cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    m_cmdClose->setFocus();

    // However it closes (button, Enter, Escape, the title bar), the dialog and its list go.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

void AlertDialog::dueAdd(const QString& name)
{
    m_lstDue->addItem(name);
    controlsArrange();
}

void AlertDialog::missedAdd(const QString& entry)
{
    if (!m_grpMissed) {
        m_grpMissed = new QGroupBox(QStringLiteral("Missed While Away"), this);
        m_grpMissed->setObjectName(QStringLiteral("grpMissed"));
        m_lstMissed = new QListWidget(m_grpMissed);
        m_lstMissed->setObjectName(QStringLiteral("lstMissed"));
        setTwipGeometry(m_lstMissed, 780, 300, 5535, 1620);
        auto* image = new QLabel(m_grpMissed);
        setTwipGeometry(image, 180, 300, 480, 480);
        image->setPixmap(m_imgDue->pixmap());
        setTabOrder(m_lstDue, m_lstMissed);
        m_grpMissed->show();
    }
    m_lstMissed->addItem(entry);
    controlsArrange();
}

QStringList AlertDialog::missedEntries() const
{
    QStringList entries;
    for (int row = 0; m_lstMissed && row < m_lstMissed->count(); ++row)
        entries.append(m_lstMissed->item(row)->text());
    return entries;
}

void AlertDialog::controlsArrange()
{
    // As designed while nothing was missed; the missed events' frame goes below today's, and
    // takes its place when nothing is due today.
    const bool due = !m_grpMissed || m_lstDue->count() > 0;
    m_grpDue->setVisible(due);
    int top = 60;
    if (due)
        top += 2115 + 60;
    if (m_grpMissed) {
        setTwipGeometry(m_grpMissed, 60, top, 6495, 2115);
        top += 2115 + 60;
    }
    setTwipGeometry(m_cmdClose, 5220, top + 45, 1335, 375);
    setFixedSize(px(6645), px(top + 45 + 375 + 105));
}

QStringList AlertDialog::dueNames() const
{
    QStringList names;
    for (int row = 0; row < m_lstDue->count(); ++row)
        names.append(m_lstDue->item(row)->text());
    return names;
}
