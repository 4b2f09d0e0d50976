#include "ui/dialogs/wellknowndaysdialog.h"

#include "core/events/wellknowndays.h"
#include "core/store/birthdaystore.h"
#include "core/store/eventrulefile.h"
#include "core/text/textconv.h"
#include "ui/common/messageprompt.h"
#include "ui/dialogs/dialogbuttons.h"
#include "ui/tray/programicon.h"

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
// A moving day's rule, as YearlyRule::toText writes it; none for a fixed day.
constexpr int ruleRole = Qt::UserRole + 1;

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
    setWindowTitle(tr("Special Events"));
    createControls(help);

    // Every day of the table, in the table's order until a click on a header sorts them.
    m_eventList->clear();
    bool translated = false;
    // A day that moves shows where it falls this year.
    const int year = m_clock.today().year();
    for (const WellKnownDays::Row& row : WellKnownDays::table()) {
        addRow(row.nameText(), row.shownAs(year), QString::fromLatin1(row.rule));
        translated = translated || row.nameText() != QLatin1String(row.name);
    }
    // The English names keep the designed column, a long one ending in "…"; a language's
    // longer names widen the column, and the list with it, rather than being cut.
    const int nameWidth =
        static_cast<const QAbstractItemView*>(m_eventList)->sizeHintForColumn(NameColumn);
    if (translated && nameWidth > m_eventList->columnWidth(NameColumn)) {
        m_eventList->setMinimumWidth(m_eventList->minimumWidth() + nameWidth -
                                     m_eventList->columnWidth(NameColumn));
        m_eventList->setColumnWidth(NameColumn, nameWidth);
    }
}

void WellKnownDaysDialog::createControls(const HelpSink& help)
{
    m_eventList = new QTreeWidget(this);
    m_eventList->setObjectName(QStringLiteral("lvwSpecialEvents"));
    m_eventList->setColumnCount(2);
    m_eventList->setHeaderLabels({tr("Event Name"), tr("Event Date")});
    m_eventList->setRootIsDecorated(false);
    m_eventList->setUniformRowHeights(true);
    m_eventList->setAllColumnsShowFocus(true);
    m_eventList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_eventList->setSelectionBehavior(QAbstractItemView::SelectRows);
    // As wide as the event list's own "Name" and "Date" columns.
    setColumnWidths(m_eventList, {200, 96});
    m_eventList->setIconSize(QSize(16, 16));
    // About eight rows at once; wider when the label's font needs it.
    m_eventList->setMinimumSize(425, 161);
    m_eventList->header()->setStretchLastSection(true);
    QHeaderView* header = m_eventList->header();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    connect(header, &QHeaderView::sectionClicked, this, &WellKnownDaysDialog::sortByColumn);

    auto* promptLabel =
        new QLabel(tr("Please select any dates you want to add.  Use the Control key "
                      "to select more than one."),
                   this);
    promptLabel->setObjectName(QStringLiteral("lblSpecialEvents"));
    m_eventList->setAccessibleName(promptLabel->text());

    // OK and Cancel wider than their captions need: easier to hit.
    const DialogButtons buttonPair = createDialogButtons(this, 93);
    m_okButton = buttonPair.ok;
    m_cancelButton = buttonPair.cancel;
    connect(m_okButton, &QPushButton::clicked, this, &WellKnownDaysDialog::onOkClicked);

    auto* buttonPage = new QWidget;
    auto* buttons = new QHBoxLayout(buttonPage);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    m_progressBar = new QProgressBar;
    m_progressBar->setObjectName(QStringLiteral("objProgress"));
    m_progressBar->setTextVisible(false);
    m_bottom = new QStackedWidget(this);
    m_bottom->addWidget(buttonPage);
    m_bottom->addWidget(m_progressBar);
    m_bottom->setCurrentWidget(buttonPage);
    m_progressBar->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel);
    layout->addWidget(m_eventList);
    layout->addWidget(m_bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QWidget::setTabOrder(m_eventList, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_okButton);
    m_eventList->setFocus();

    // The pointer moves over the list's viewport and header, not the list widget itself.
    installHelpHook(m_eventList, QStringLiteral("specialevents"), help);
    installHelpHook(m_eventList->viewport(), QStringLiteral("specialevents"), help);
    installHelpHook(m_okButton, QStringLiteral("ok"), help);
    installHelpHook(m_cancelButton, QStringLiteral("cancel"), help);
}

void WellKnownDaysDialog::addRow(const QString& name, const QString& shownAs, const QString& rule)
{
    static const QIcon dateIcon = programIcon();
    auto* item = new EventItem(m_eventList);
    item->setData(NameColumn, keyRole,
                  QStringLiteral("key%1").arg(m_eventList->topLevelItemCount()));
    item->setText(NameColumn, name);
    item->setIcon(NameColumn, dateIcon);
    item->setText(DateColumn, shownAs);
    item->setData(DateColumn, ruleRole, rule);
}

void WellKnownDaysDialog::sortByColumn(int column)
{
    m_eventList->sortItems(column, Qt::AscendingOrder);
}

Expected<> WellKnownDaysDialog::writeEvent(const QString& name, const QString& shownAs,
                                           const QString& ruleText)
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
    // A moving day is stored on its next day, and its rule beside the data file.
    const std::optional<YearlyRule> rule = YearlyRule::fromText(ruleText);
    if (rule)
        record.setValue(BirthdayRecord::Date,
                        TextConv::dateToText(nextOccurrence(*rule, m_clock.today())));
    const Expected<int> key = m_store.addRecord(record);
    if (!key)
        return UserError{key.error()};
    record.key = *key;
    if (!rule)
        return {};
    return EventRuleFile::setRule(EventRuleFile::pathFor(m_store.dataPath()), record, rule);
}

void WellKnownDaysDialog::onOkClicked()
{
    const int rows = m_eventList->topLevelItemCount();
    int selected = 0;
    for (int i = 0; i < rows; ++i)
        selected += m_eventList->topLevelItem(i)->isSelected() ? 1 : 0;

    m_bottom->setCurrentWidget(m_progressBar);
    m_progressBar->show();
    m_progressBar->setMaximum(rows);
    int added = 0;
    bool stopped = false;
    QString error;
    for (int i = 0; i < rows; ++i) {
        m_progressBar->setValue(i + 1);
        m_progressBar->repaint();
        const QTreeWidgetItem* item = m_eventList->topLevelItem(i);
        if (!item->isSelected())
            continue;
        if (const Expected<> written = writeEvent(item->text(NameColumn), item->text(DateColumn),
                                                  item->data(DateColumn, ruleRole).toString());
            !written) {
            error = written.error();
            stopped = true;
            break;
        }
        ++added;
    }
    m_progressBar->hide();
    m_bottom->setCurrentIndex(0);

    if (stopped) {
        const QString text =
            added == 0
                //: %Ln is the number of days chosen, %1 why they could not be added.
                ? tr("None of the %Ln selected events could be added.\n\n%1", nullptr, selected)
                      .arg(error)
                //: %1 is how many were added, %Ln how many were chosen, %2 why the rest were not.
                : tr("Only %1 of the %Ln selected events were added; the rest could "
                     "not be added.\n\n%2",
                     nullptr, selected)
                      .arg(added)
                      .arg(error);
        MessagePrompt(this).inform(QMessageBox::Warning, text);
    }
    accept();
}
