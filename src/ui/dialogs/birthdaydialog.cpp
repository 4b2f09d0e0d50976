#include "ui/dialogs/birthdaydialog.h"

#include "core/calendar/clock.h"
#include "core/events/birthdayinput.h"
#include "core/rules/rulechoices.h"
#include "core/store/birthdaystore.h"
#include "core/store/eventrulefile.h"
#include "core/text/textconv.h"
#include "ui/common/messageprompt.h"
#include "ui/dialogs/datepicker.h"
#include "ui/dialogs/dialogbuttons.h"
#include "ui/tray/programicon.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

namespace {

// The fields the dialog writes. LastDate is never touched.
const std::array<BirthdayRecord::Field, 6> writtenSlots = {
    BirthdayRecord::Name,   BirthdayRecord::Date,  BirthdayRecord::Recurs,
    BirthdayRecord::Notify, BirthdayRecord::Alert, BirthdayRecord::ShowYears};

// Refuses any edit that would make the name longer than its cell in the data file.
class NameLengthValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return BirthdayInput::nameFits(input) ? Acceptable : Invalid;
    }
};

QString nameTooLongText()
{
    return QCoreApplication::translate(
               "BirthdayDialog",
               "The name is too long to be saved.  A name can hold at most %1 "
               "characters (letters with accents and other special characters count "
               "as two or more).")
        .arg(BirthdayInput::nameMaxBytes);
}

// Lists "a", "a and b", "a, b and c".
QString joinList(const QStringList& items)
{
    if (items.size() <= 1)
        return items.join(QString());
    //: the last two items of a list: "a, b and c"
    return QCoreApplication::translate("BirthdayDialog", "%1 and %2")
        .arg(items.mid(0, items.size() - 1)
                 .join(QCoreApplication::translate("BirthdayDialog", ", ",
                                                   "between the items of a list")),
             items.last());
}

// A stored yes/no value as a check state; nullopt when it is empty or not 0/1.
std::optional<bool> readFlag(const QString& text)
{
    const std::optional<int> value = TextConv::textToWhole(text, 0, 1);
    if (!value)
        return std::nullopt;
    return *value == 1;
}

// Whether two rules are of one kind: the weekday of a month counted from the same end, the same
// Easter, the same calendar.
bool sameKind(const YearlyRule& a, const YearlyRule& b)
{
    using Kind = YearlyRule::Kind;
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case Kind::NthWeekday:
        return (a.nth > 0) == (b.nth > 0);
    case Kind::Easter:
        return a.easter == b.easter;
    case Kind::OtherCalendar:
        return a.calendar == b.calendar;
    case Kind::WeekdayOnOrAfter:
        return a == b;
    case Kind::Fixed:
        break;
    }
    return true;
}

} // namespace

BirthdayDialog::BirthdayDialog(Mode mode, const BirthdayRecord& shown, BirthdayStore& store,
                               const Clock& clock, const HelpSink& help, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_shown(shown), m_store(store), m_clock(clock)
{
    setObjectName(mode == Mode::Add ? QStringLiteral("frmAddBirthday")
                                    : QStringLiteral("frmEditBirthday"));
    setWindowTitle(mode == Mode::Add ? tr("Add New Birthday") : tr("Edit Birthday Details"));
    createControls(help);

    // A new event starts today with a dialog on the day; the other controls keep the values
    // they were created with.
    m_dateEdit->setDate(m_clock.today());
    m_alertBox->setCurrentIndex(0);
    if (m_mode == Mode::Edit)
        loadRecord();
    // First the event's own rule, then what the user picks.
    offerRules();
    connect(m_dateEdit, &QDateEdit::dateChanged, this, &BirthdayDialog::offerRules);
    connect(m_repeatsBox, &QCheckBox::toggled, this, &BirthdayDialog::followRule);
    connect(m_ruleBox, &QComboBox::currentIndexChanged, this, &BirthdayDialog::followRule);
}

void BirthdayDialog::offerRules()
{
    // The choice made stays where the new date has one of its kind ("the second Sunday" moves
    // to the weekday of the new date).
    const std::optional<YearlyRule> before =
        YearlyRule::fromText(m_ruleBox->currentData().toString());
    const QDate date = m_dateEdit->date();
    QList<YearlyRule> offered = rulesThrough(date);
    // The event's own rule, where the editor would not offer it ("the first Saturday on or after
    // 16 September"), while the date is one of its days.
    if (m_shown.rule && !offered.contains(*m_shown.rule) &&
        nextOccurrence(*m_shown.rule, date) == date)
        offered.insert(1, *m_shown.rule);
    const QSignalBlocker quiet(m_ruleBox);
    m_ruleBox->clear();
    int chosen = -1;
    for (const YearlyRule& rule : offered) {
        if (chosen < 0 && (before ? sameKind(rule, *before) : m_shown.rule == rule))
            chosen = m_ruleBox->count();
        m_ruleBox->addItem(describeRule(rule), rule.toText());
    }
    m_ruleBox->setCurrentIndex(qMax(chosen, 0));
    m_ruleBox->view()->setMinimumWidth(m_ruleBox->view()->sizeHintForColumn(0) +
                                       m_ruleBox->view()->verticalScrollBar()->sizeHint().width());
    followRule();
}

void BirthdayDialog::followRule()
{
    m_ruleBox->setEnabled(m_repeatsBox->isChecked());
    m_ruleBox->setToolTip(m_ruleBox->currentText());
    // A moving day has no years to count: its stored date is the next one.
    const std::optional<YearlyRule> rule = chosenRule();
    m_yearsBox->setEnabled(!rule || rule->kind == YearlyRule::Kind::Fixed);
}

void BirthdayDialog::createControls(const HelpSink& help)
{
    auto* nameGroup = new QGroupBox(tr("Name"), this);
    nameGroup->setObjectName(QStringLiteral("grpName"));
    auto* nameIcon = new QLabel(nameGroup);
    nameIcon->setObjectName(QStringLiteral("imgName"));
    nameIcon->setPixmap(programIcon().pixmap(32, 32));
    m_nameEdit = new QLineEdit(tr("New Birthday"), nameGroup);
    m_nameEdit->setObjectName(QStringLiteral("txtName"));
    m_nameEdit->setValidator(new NameLengthValidator(m_nameEdit));
    // Queued: the message must not open inside the line edit's own key handling.
    connect(m_nameEdit, &QLineEdit::inputRejected, this, &BirthdayDialog::onNameRejected,
            Qt::QueuedConnection);
    auto* nameLayout = new QHBoxLayout(nameGroup);
    nameLayout->addWidget(nameIcon);
    nameLayout->addWidget(m_nameEdit, 1);

    auto* occursOnGroup = new QGroupBox(tr("Occurs On"), this);
    occursOnGroup->setObjectName(QStringLiteral("grpOccursOn"));
    m_dateEdit = new DatePicker(occursOnGroup);
    m_dateEdit->setObjectName(QStringLiteral("objDate"));
    m_dateEdit->setCalendarPopup(true);
    // Set before the format: in a right-to-left window Qt reverses the sections, which Arabic
    // digits then show year first, unlike the list's dates.
    m_dateEdit->setLayoutDirection(Qt::LeftToRight);
    m_dateEdit->setDisplayFormat(TextConv::shortDateFormat());
    m_dateEdit->setMinimumDate(QDate(1601, 1, 1));
    m_dateEdit->setMaximumDate(QDate(9999, 12, 31));
    m_repeatsBox = new QCheckBox(tr("Repeats every year"), occursOnGroup);
    m_repeatsBox->setObjectName(QStringLiteral("chkRepeats"));
    m_repeatsBox->setChecked(true);
    m_yearsBox = new QCheckBox(tr("Display number of years"), occursOnGroup);
    m_yearsBox->setObjectName(QStringLiteral("chkYears"));
    m_yearsBox->setChecked(true);
    // How the day repeats: each rule that falls on the date shown, in words. Its width is the
    // row's; the list opens as wide as its longest entry.
    m_ruleBox = new QComboBox(occursOnGroup);
    m_ruleBox->setObjectName(QStringLiteral("cboRepeatRule"));
    m_ruleBox->setAccessibleName(tr("Repeats"));
    m_ruleBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_ruleBox->setMinimumContentsLength(12);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_dateEdit);
    dateRow->addWidget(m_ruleBox, 1);
    auto* occursLayout = new QVBoxLayout(occursOnGroup);
    occursLayout->addLayout(dateRow);
    occursLayout->addWidget(m_repeatsBox);
    occursLayout->addWidget(m_yearsBox);

    auto* notifyGroup = new QGroupBox(tr("Notify From"), this);
    notifyGroup->setObjectName(QStringLiteral("grpNotify"));
    // In the locale's digits, as every other number of the window; stored in ASCII ones.
    m_notifyDaysEdit = new QLineEdit(TextConv::shownDigits(QStringLiteral("10")), notifyGroup);
    m_notifyDaysEdit->setObjectName(QStringLiteral("txtNotifyDays"));
    m_notifyDaysEdit->setMaxLength(2);
    m_notifyDaysEdit->setFixedWidth(
        m_notifyDaysEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    auto* daysInAdvanceLabel = new QLabel(notifyGroup);
    daysInAdvanceLabel->setObjectName(QStringLiteral("lblDaysInAdvance"));
    daysInAdvanceLabel->setBuddy(m_notifyDaysEdit);
    // The word follows the number typed before it ("1 Tag", "10 Tage").
    const auto sayDays = [daysInAdvanceLabel](const QString& typed) {
        //: After the box with the number of days ahead to be notified; the number is the box's.
        daysInAdvanceLabel->setText(
            tr("day(s) in advance", nullptr, TextConv::storedDigits(typed).toInt()));
    };
    sayDays(m_notifyDaysEdit->text());
    connect(m_notifyDaysEdit, &QLineEdit::textChanged, daysInAdvanceLabel, sayDays);
    auto* notifyLayout = new QHBoxLayout(notifyGroup);
    notifyLayout->addWidget(m_notifyDaysEdit);
    notifyLayout->addWidget(daysInAdvanceLabel, 1);

    auto* alertGroup = new QGroupBox(tr("On the Day"), this);
    alertGroup->setObjectName(QStringLiteral("grpAlert"));
    m_alertBox = new QComboBox(alertGroup);
    m_alertBox->setObjectName(QStringLiteral("cboAlert"));
    m_alertBox->addItems(BirthdayInput::alertChoices());
    auto* alertLayout = new QHBoxLayout(alertGroup);
    alertLayout->addWidget(m_alertBox, 1);

    const DialogButtons buttonPair = createDialogButtons(this);
    m_okButton = buttonPair.ok;
    m_cancelButton = buttonPair.cancel;
    connect(m_okButton, &QPushButton::clicked, this, &BirthdayDialog::onOkClicked);

    auto* grid = new QGridLayout;
    grid->addWidget(nameGroup, 0, 0, 1, 2);
    grid->addWidget(occursOnGroup, 1, 0, 1, 2);
    grid->addWidget(notifyGroup, 2, 0);
    grid->addWidget(alertGroup, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_nameEdit->setMinimumWidth(280);

    // Keyboard order: what makes the event, then Cancel and OK; the years box, which only
    // changes how the event is shown, last.
    QWidget::setTabOrder(m_nameEdit, m_dateEdit);
    QWidget::setTabOrder(m_dateEdit, m_ruleBox);
    QWidget::setTabOrder(m_ruleBox, m_repeatsBox);
    QWidget::setTabOrder(m_repeatsBox, m_notifyDaysEdit);
    QWidget::setTabOrder(m_notifyDaysEdit, m_alertBox);
    QWidget::setTabOrder(m_alertBox, m_cancelButton);
    QWidget::setTabOrder(m_cancelButton, m_okButton);
    QWidget::setTabOrder(m_okButton, m_yearsBox);

    installHelpHook(m_nameEdit, QStringLiteral("name"), help);
    installHelpHook(m_dateEdit, QStringLiteral("date"), help);
    installHelpHook(m_repeatsBox, QStringLiteral("repeats"), help);
    installHelpHook(m_ruleBox, QStringLiteral("repeats"), help);
    installHelpHook(m_notifyDaysEdit, QStringLiteral("notifyfrom"), help);
    installHelpHook(alertGroup, QStringLiteral("alerts"), help);
    installHelpHook(m_okButton, QStringLiteral("ok"), help);
    installHelpHook(m_cancelButton, QStringLiteral("cancel"), help);
}

// Runs once per dialog, before it is shown: a message box over the dialog later must not
// bring the values back over what the user typed. The dialog shows the record as the list
// showed it; OK writes only while the file still holds it so.
void BirthdayDialog::loadRecord()
{
    // Values that don't convert keep the new-event defaults, and the user is told which.
    QStringList unreadable;
    m_nameEdit->setText(m_shown.value(BirthdayRecord::Name));
    const std::optional<QDate> date =
        TextConv::textToDate(m_shown.value(BirthdayRecord::Date), m_store.dateLocale());
    if (m_shown.isYearless())
        m_dateEdit->showDayWithoutYear(m_shown.rule->month, m_shown.rule->day);
    else if (date && *date >= m_dateEdit->minimumDate() && *date <= m_dateEdit->maximumDate())
        m_dateEdit->setDate(*date);
    else
        unreadable << tr("the date");
    if (const std::optional<bool> recurs = readFlag(m_shown.value(BirthdayRecord::Recurs)))
        m_repeatsBox->setChecked(*recurs);
    else
        unreadable << tr("whether it repeats every year");
    m_notifyDaysEdit->setText(TextConv::shownDigits(m_shown.value(BirthdayRecord::Notify)));
    if (const std::optional<int> alert =
            TextConv::textToWhole(m_shown.value(BirthdayRecord::Alert), 0, 1))
        m_alertBox->setCurrentIndex(*alert);
    else
        unreadable << tr("what happens on the day");
    if (const std::optional<bool> years = readFlag(m_shown.value(BirthdayRecord::ShowYears)))
        m_yearsBox->setChecked(*years);
    else
        unreadable << tr("whether the number of years is displayed");

    if (!unreadable.isEmpty()) {
        m_startupNotice = tr("Some details of this event could not be read: %1.  They are shown "
                             "with the values a new event starts with.  Press OK to save the event "
                             "with what you see, or Cancel to leave it unchanged.")
                              .arg(joinList(unreadable));
    }
}

void BirthdayDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    m_nameEdit->setFocus(Qt::TabFocusReason); // selects the text, ready to be typed over
    if (!m_startupNotice.isEmpty())
        QTimer::singleShot(0, this, &BirthdayDialog::showStartupNotice);
}

void BirthdayDialog::showStartupNotice()
{
    MessagePrompt(this).inform(m_closeAfterNotice ? QMessageBox::Warning : QMessageBox::Information,
                               m_startupNotice);
    m_startupNotice.clear();
    if (m_closeAfterNotice)
        reject();
}

void BirthdayDialog::onNameRejected()
{
    // A name that is too long as it stands (Enter pressed on it) is reported by OK itself.
    if (m_nameNoticeOpen || !BirthdayInput::nameFits(m_nameEdit->text()))
        return;
    m_nameNoticeOpen = true;
    MessagePrompt(this).inform(QMessageBox::Warning, nameTooLongText());
    m_nameNoticeOpen = false;
    m_nameEdit->setFocus();
}

std::optional<YearlyRule> BirthdayDialog::chosenRule() const
{
    if (const std::optional<QDate> day = m_dateEdit->dayWithoutYear())
        return YearlyRule::fixed(day->month(), day->day());
    if (!m_repeatsBox->isChecked())
        return std::nullopt;
    const std::optional<YearlyRule> chosen =
        YearlyRule::fromText(m_ruleBox->currentData().toString());
    if (!chosen || chosen->kind == YearlyRule::Kind::Fixed)
        return std::nullopt;
    return chosen;
}

QStringList BirthdayDialog::fieldValues() const
{
    // A day without a year, or a moving one, is stored on its next day, with no years to show.
    const std::optional<YearlyRule> rule = chosenRule();
    return {
        m_nameEdit->text(),
        TextConv::dateToText(rule ? nextOccurrence(*rule, m_clock.today()) : m_dateEdit->date()),
        m_repeatsBox->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
        TextConv::storedDigits(m_notifyDaysEdit->text()),
        QString::number(m_alertBox->currentIndex()),
        m_yearsBox->isChecked() && !rule ? QStringLiteral("1") : QStringLiteral("0")};
}

bool BirthdayDialog::saveRule(const BirthdayRecord& saved, const std::optional<YearlyRule>& rule)
{
    const Expected<> kept =
        EventRuleFile::setRule(EventRuleFile::pathFor(m_store.dataPath()), saved, rule);
    if (!kept)
        MessagePrompt(this).inform(QMessageBox::Warning,
                                   tr("The event could not be saved.\n\n%1").arg(kept.error()));
    return bool(kept);
}

void BirthdayDialog::onOkClicked()
{
    if (m_nameEdit->text().isEmpty()) {
        MessagePrompt(this).inform(QMessageBox::Warning,
                                   tr("You have not entered a valid name for this birthday.  "
                                      "Please check and try again."));
        m_nameEdit->setFocus();
        return;
    }
    if (!BirthdayInput::nameFits(m_nameEdit->text())) {
        MessagePrompt(this).inform(QMessageBox::Warning, nameTooLongText());
        m_nameEdit->setFocus();
        return;
    }
    // Never a date other than the one shown: 29 February of a common year, or a year the
    // picker cannot hold, stays on screen and is refused here.
    // A day and month with the year left out is a day without a year, which repeats.
    const bool withoutYear = m_dateEdit->dayWithoutYear().has_value();
    if (!m_dateEdit->showsHeldDate() && !withoutYear) {
        MessagePrompt(this).inform(QMessageBox::Warning,
                                   tr("You have not entered a valid date for this birthday.  "
                                      "Please check and try again."));
        m_dateEdit->setFocus();
        return;
    }
    if (withoutYear && !m_repeatsBox->isChecked()) {
        MessagePrompt(this).inform(QMessageBox::Warning,
                                   tr("A date without a year repeats every year: tick \"Repeats "
                                      "every year\" or give the year."));
        m_repeatsBox->setFocus();
        return;
    }
    if (m_notifyDaysEdit->text().isEmpty())
        m_notifyDaysEdit->setText(TextConv::shownDigits(QStringLiteral("0")));
    if (!BirthdayInput::notifyTextValid(TextConv::storedDigits(m_notifyDaysEdit->text()))) {
        MessagePrompt(this).inform(QMessageBox::Warning,
                                   tr("The Notify From value must be a number that is zero or "
                                      "over.  Please check and try again."));
        m_notifyDaysEdit->setFocus();
        return;
    }

    if (m_mode == Mode::Add ? addRecord() : updateRecord())
        accept();
}

bool BirthdayDialog::addRecord()
{
    // One store operation takes the smallest free key and writes the six fields, so no other
    // running copy can take the same key and a failure leaves nothing behind.
    BirthdayRecord record;
    const QStringList values = fieldValues();
    for (size_t i = 0; i < writtenSlots.size(); ++i)
        record.setValue(writtenSlots[i], values[qsizetype(i)]);
    const Expected<int> added = m_store.addRecord(record);
    if (added) {
        record.key = *added;
        const std::optional<YearlyRule> rule = chosenRule();
        return !rule || saveRule(record, rule);
    }
    MessagePrompt(this).inform(QMessageBox::Warning,
                               tr("The event could not be saved.\n\n%1").arg(added.error()));
    return false;
}

bool BirthdayDialog::updateRecord()
{
    BirthdayRecord edited = m_shown;
    const QStringList values = fieldValues();
    for (size_t i = 0; i < writtenSlots.size(); ++i)
        edited.setValue(writtenSlots[i], values[qsizetype(i)]);
    switch (m_store.updateRecord(m_shown, edited)) {
    case BirthdayStore::Outcome::Done: {
        // A day that had a rule, or has one now: its entry beside the data file follows the
        // edit, which may have changed the name or date it is known by.
        const std::optional<YearlyRule> rule = chosenRule();
        return (!rule && !m_shown.rule) || saveRule(edited, rule);
    }
    case BirthdayStore::Outcome::Changed:
        // Saving over another program's change would lose it: the caller says so.
        done(Changed);
        return false;
    case BirthdayStore::Outcome::Failed:
        break;
    }
    MessagePrompt(this).inform(
        QMessageBox::Warning, tr("The event could not be saved.\n\n%1").arg(m_store.errorString()));
    return false;
}
