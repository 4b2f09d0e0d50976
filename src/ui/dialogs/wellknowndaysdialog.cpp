#include "ui/dialogs/wellknowndaysdialog.h"

#include "ui/dialogs/dialogbuttons.h"
#include "ui/dialogs/dialogmessage.h"
#include "core/events/wellknowndays.h"
#include "core/store/birthdaystore.h"
#include "core/text/textconv.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { NameColumn = 0, DateColumn = 1 };
constexpr int keyRole = Qt::UserRole;

// Rows sort by the clicked column's text regardless of letter case, as a native list does.
class EventItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return text(column).compare(other.text(column), Qt::CaseInsensitive) < 0;
    }
};

} // namespace

WellKnownDaysDialog::WellKnownDaysDialog(BirthdayStore& store, const HelpSink& help,
                                         QWidget* parent)
    : WellKnownDaysDialog(store, m_systemClock, help, parent)
{}

WellKnownDaysDialog::WellKnownDaysDialog(BirthdayStore& store, const Clock& clock,
                                         const HelpSink& help, QWidget* parent)
    // A fixed border with a title bar: no maximise or minimise button.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_store(store), m_clock(clock)
{
    setObjectName(QStringLiteral("frmSpecialEvents"));
    setWindowTitle(QStringLiteral("Special Events"));
    controlsCreate(help);

    // Form_Load: the whole table, in its own order.
    m_lvwSpecialEvents->clear();
    for (const WellKnownDays::Row& row : WellKnownDays::table())
        specialEventAdd(row.nameText(), QString::fromLatin1(row.day),
                        QString::fromLatin1(row.month));
}

void WellKnownDaysDialog::controlsCreate(const HelpSink& help)
{
    m_lvwSpecialEvents = new QTreeWidget(this);
    m_lvwSpecialEvents->setObjectName(QStringLiteral("lvwSpecialEvents"));
    m_lvwSpecialEvents->setColumnCount(2);
    m_lvwSpecialEvents->setHeaderLabels(
        {QStringLiteral("Event Name"), QStringLiteral("Event Date")});
    m_lvwSpecialEvents->setRootIsDecorated(false);
    m_lvwSpecialEvents->setUniformRowHeights(true);
    m_lvwSpecialEvents->setAllColumnsShowFocus(true);
    m_lvwSpecialEvents->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lvwSpecialEvents->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lvwSpecialEvents->setColumnWidth(NameColumn, 200); // 3000 twips
    m_lvwSpecialEvents->setColumnWidth(DateColumn, 96);  // 1440 twips
    m_lvwSpecialEvents->setIconSize(QSize(16, 16));
    // 6375 x 2415 twips as designed; wider when the label's font needs it.
    m_lvwSpecialEvents->setMinimumSize(425, 161);
    m_lvwSpecialEvents->header()->setStretchLastSection(true);
    QHeaderView* header = m_lvwSpecialEvents->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    connect(header, &QHeaderView::sectionClicked, this, &WellKnownDaysDialog::columnClick);

    auto* lblSpecialEvents =
        new QLabel(QStringLiteral("Please select any dates you want to add.  Use the Control key "
                                  "to select more than one."),
                   this);
    lblSpecialEvents->setObjectName(QStringLiteral("lblSpecialEvents"));
    m_lvwSpecialEvents->setAccessibleName(lblSpecialEvents->text());

    const DialogButtons buttonPair = dialogButtonsCreate(this, 93); // 1395 twips
    m_cmdOK = buttonPair.ok;
    m_cmdCancel = buttonPair.cancel;
    connect(m_cmdOK, &QPushButton::clicked, this, &WellKnownDaysDialog::cmdOkClick);

    auto* buttonPage = new QWidget;
    auto* buttons = new QHBoxLayout(buttonPage);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    m_objProgress = new QProgressBar;
    m_objProgress->setObjectName(QStringLiteral("objProgress"));
    m_objProgress->setTextVisible(false);
    m_bottom = new QStackedWidget(this);
    m_bottom->addWidget(buttonPage);
    m_bottom->addWidget(m_objProgress);
    m_bottom->setCurrentWidget(buttonPage);
    m_objProgress->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSpecialEvents);
    layout->addWidget(m_lvwSpecialEvents);
    layout->addWidget(m_bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget::setTabOrder(m_lvwSpecialEvents, m_cmdCancel);
    QWidget::setTabOrder(m_cmdCancel, m_cmdOK);
    m_lvwSpecialEvents->setFocus();

    // The pointer moves over the list's viewport and header, not the list widget itself.
    helpHook(m_lvwSpecialEvents, QStringLiteral("specialevents"), help);
    helpHook(m_lvwSpecialEvents->viewport(), QStringLiteral("specialevents"), help);
    helpHook(m_cmdOK, QStringLiteral("ok"), help);
    helpHook(m_cmdCancel, QStringLiteral("cancel"), help);
}

void WellKnownDaysDialog::specialEventAdd(const QString& name, const QString& day,
                                          const QString& month)
{
    static const QIcon dateIcon = QIcon(QStringLiteral(":/icons/candlewatcher.svg"));
    auto* item = new EventItem(m_lvwSpecialEvents);
    item->setData(NameColumn, keyRole,
                  QStringLiteral("key%1").arg(m_lvwSpecialEvents->topLevelItemCount()));
    item->setText(NameColumn, name);
    item->setIcon(NameColumn, dateIcon);
    item->setText(DateColumn, month + QLatin1Char('\\') + day);
}

void WellKnownDaysDialog::columnClick(int column)
{
    m_lvwSpecialEvents->sortItems(column, Qt::AscendingOrder);
}

bool WellKnownDaysDialog::eventWrite(const QString& name, const QString& shownAs, QString& error)
{
    // A yearly record, shown from 10 days ahead, no dialog on the day, no number of years.
    // One store operation takes the smallest free key and writes all six fields, or nothing.
    BirthdayRecord record;
    record.setValue(BirthdayRecord::Name, name);
    record.setValue(BirthdayRecord::Date, TextConv::dateToText(WellKnownDays::dateFromShown(
                                              shownAs, m_clock.today().year())));
    record.setValue(BirthdayRecord::Recurs, QStringLiteral("1"));
    record.setValue(BirthdayRecord::Notify, QStringLiteral("10"));
    record.setValue(BirthdayRecord::Alert, QStringLiteral("1"));
    record.setValue(BirthdayRecord::ShowYears, QStringLiteral("0"));
    if (m_store.addRecord(record))
        return true;
    error = m_store.errorString();
    return false;
}

void WellKnownDaysDialog::cmdOkClick()
{
    const int rows = m_lvwSpecialEvents->topLevelItemCount();
    int selected = 0;
    for (int i = 0; i < rows; ++i)
        selected += m_lvwSpecialEvents->topLevelItem(i)->isSelected() ? 1 : 0;

    m_bottom->setCurrentWidget(m_objProgress);
    m_objProgress->show();
    m_objProgress->setMaximum(rows);
    int added = 0;
    bool stopped = false;
    QString error;
    for (int i = 0; i < rows; ++i) {
        m_objProgress->setValue(i + 1);
        m_objProgress->repaint();
        const QTreeWidgetItem* item = m_lvwSpecialEvents->topLevelItem(i);
        if (!item->isSelected())
            continue;
        if (!eventWrite(item->text(NameColumn), item->text(DateColumn), error)) {
            stopped = true;
            break;
        }
        ++added;
    }
    m_objProgress->hide();
    m_bottom->setCurrentIndex(0);

    if (stopped) {
        const QString text =
            added == 0
                ? QStringLiteral("None of the %1 selected events could be added.\n\n%2")
                      .arg(selected)
                      .arg(error)
                : QStringLiteral("Only %1 of the %2 selected events were added; the rest could "
                                 "not be added.\n\n%3")
                      .arg(added)
                      .arg(selected)
                      .arg(error);
        dialogMessage(this, QMessageBox::Warning, text);
    }
    accept();
}
