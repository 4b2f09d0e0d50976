#include "ui/dialogs/birthdaydialog.h"

#include "core/calendar/clock.h"
#include "ui/dialogs/datepicker.h"
#include "ui/dialogs/dialogbuttons.h"
#include "ui/dialogs/dialogmessage.h"
#include "core/events/birthdayinput.h"
#include "core/store/birthdaystore.h"
#include "core/text/textconv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    return QStringLiteral("The name is too long to be saved.  A name can hold at most %1 "
                          "characters (letters with accents and other special characters count "
                          "as two or more).")
        .arg(BirthdayInput::nameMaxBytes);
}

// Lists "a", "a and b", "a, b and c".
QString listJoin(const QStringList& items)
{
    if (items.size() <= 1)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           items.last();
}

// A stored yes/no value as a check state; nullopt when it is empty or not 0/1.
std::optional<bool> flagRead(const QString& text)
{
    const std::optional<int> value = TextConv::textToWhole(text, 0, 1);
    if (!value)
        return std::nullopt;
    return *value == 1;
}

} // namespace

BirthdayDialog::BirthdayDialog(Mode mode, const BirthdayRecord& shown, BirthdayStore& store,
                               const Clock& clock, const HelpSink& help, QWidget* parent)
    : QDialog(parent), m_mode(mode), m_shown(shown), m_store(store), m_clock(clock)
{
    setObjectName(mode == Mode::Add ? QStringLiteral("frmAddBirthday")
                                    : QStringLiteral("frmEditBirthday"));
    setWindowTitle(mode == Mode::Add ? QStringLiteral("Add New Birthday")
                                     : QStringLiteral("Edit Birthday Details"));
    controlsCreate(help);

    // Form_Load: today's date and "Show a Dialog"; the rest keeps its laid-out contents.
    m_objDate->setDate(m_clock.today());
    m_cboAlert->setCurrentIndex(0);
    if (m_mode == Mode::Edit)
        recordLoad();
}

void BirthdayDialog::controlsCreate(const HelpSink& help)
{
    auto* grpName = new QGroupBox(QStringLiteral("Name"), this);
    grpName->setObjectName(QStringLiteral("grpName"));
    auto* imgName = new QLabel(grpName);
    imgName->setObjectName(QStringLiteral("imgName"));
    imgName->setPixmap(QIcon(QStringLiteral(":/icons/candlewatcher.svg")).pixmap(32, 32));
    m_txtName = new QLineEdit(QStringLiteral("New Birthday"), grpName);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setValidator(new NameLengthValidator(m_txtName));
    // Queued: the message must not open inside the line edit's own key handling.
    connect(m_txtName, &QLineEdit::inputRejected, this, &BirthdayDialog::nameRejected,
            Qt::QueuedConnection);
    auto* nameLayout = new QHBoxLayout(grpName);
    nameLayout->addWidget(imgName);
    nameLayout->addWidget(m_txtName, 1);

    auto* grpOccursOn = new QGroupBox(QStringLiteral("Occurs On"), this);
    grpOccursOn->setObjectName(QStringLiteral("grpOccursOn"));
    m_objDate = new DatePicker(grpOccursOn);
    m_objDate->setObjectName(QStringLiteral("objDate"));
    m_objDate->setCalendarPopup(true);
    m_objDate->setDisplayFormat(TextConv::shortDateFormat());
    m_objDate->setMinimumDate(QDate(1601, 1, 1));
    m_objDate->setMaximumDate(QDate(9999, 12, 31));
    m_chkRepeats = new QCheckBox(QStringLiteral("Repeats every year"), grpOccursOn);
    m_chkRepeats->setObjectName(QStringLiteral("chkRepeats"));
    m_chkRepeats->setChecked(true);
    m_chkYears = new QCheckBox(QStringLiteral("Display number of years"), grpOccursOn);
    m_chkYears->setObjectName(QStringLiteral("chkYears"));
    m_chkYears->setChecked(true);
    auto* occursLayout = new QVBoxLayout(grpOccursOn);
    occursLayout->addWidget(m_objDate, 0, Qt::AlignLeft);
    occursLayout->addWidget(m_chkRepeats);
    occursLayout->addWidget(m_chkYears);

    auto* grpNotify = new QGroupBox(QStringLiteral("Notify From"), this);
    grpNotify->setObjectName(QStringLiteral("grpNotify"));
    m_txtNotifyDays = new QLineEdit(QStringLiteral("10"), grpNotify);
    m_txtNotifyDays->setObjectName(QStringLiteral("txtNotifyDays"));
    m_txtNotifyDays->setMaxLength(2);
    m_txtNotifyDays->setFixedWidth(
        m_txtNotifyDays->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    auto* lblDaysInAdvance = new QLabel(QStringLiteral("day(s) in advance"), grpNotify);
    lblDaysInAdvance->setObjectName(QStringLiteral("lblDaysInAdvance"));
    lblDaysInAdvance->setBuddy(m_txtNotifyDays);
    auto* notifyLayout = new QHBoxLayout(grpNotify);
    notifyLayout->addWidget(m_txtNotifyDays);
    notifyLayout->addWidget(lblDaysInAdvance, 1);

    auto* grpAlert = new QGroupBox(QStringLiteral("On the Day"), this);
    grpAlert->setObjectName(QStringLiteral("grpAlert"));
    m_cboAlert = new QComboBox(grpAlert);
    m_cboAlert->setObjectName(QStringLiteral("cboAlert"));
    m_cboAlert->addItem(QStringLiteral("Show a Dialog"));
    m_cboAlert->addItem(QStringLiteral("Do Nothing!"));
    auto* alertLayout = new QHBoxLayout(grpAlert);
    alertLayout->addWidget(m_cboAlert, 1);

    const DialogButtons buttonPair = dialogButtonsCreate(this);
    m_cmdOK = buttonPair.ok;
    m_cmdCancel = buttonPair.cancel;
    connect(m_cmdOK, &QPushButton::clicked, this, &BirthdayDialog::cmdOkClick);

    auto* grid = new QGridLayout;
    grid->addWidget(grpName, 0, 0, 1, 2);
    grid->addWidget(grpOccursOn, 1, 0, 1, 2);
    grid->addWidget(grpNotify, 2, 0);
    grid->addWidget(grpAlert, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_txtName->setMinimumWidth(280);

    // Keyboard order as the dialog has always had it, the years box last.
    QWidget::setTabOrder(m_txtName, m_objDate);
    QWidget::setTabOrder(m_objDate, m_chkRepeats);
    QWidget::setTabOrder(m_chkRepeats, m_txtNotifyDays);
    QWidget::setTabOrder(m_txtNotifyDays, m_cboAlert);
    QWidget::setTabOrder(m_cboAlert, m_cmdCancel);
    QWidget::setTabOrder(m_cmdCancel, m_cmdOK);
    QWidget::setTabOrder(m_cmdOK, m_chkYears);

    helpHook(m_txtName, QStringLiteral("name"), help);
    helpHook(m_objDate, QStringLiteral("date"), help);
    helpHook(m_chkRepeats, QStringLiteral("repeats"), help);
    helpHook(m_txtNotifyDays, QStringLiteral("notifyfrom"), help);
    helpHook(grpAlert, QStringLiteral("alerts"), help);
    helpHook(m_cmdOK, QStringLiteral("ok"), help);
    helpHook(m_cmdCancel, QStringLiteral("cancel"), help);
}

// Runs once per dialog, before it is shown: a message box over the dialog later must not
// bring the values back over what the user typed. The dialog shows the record as the list
// showed it; OK writes only while the file still holds it so.
void BirthdayDialog::recordLoad()
{
    // Values that don't convert keep the new-event defaults, and the user is told which.
    QStringList unreadable;
    m_txtName->setText(m_shown.value(BirthdayRecord::Name));
    const std::optional<QDate> date = TextConv::textToDate(m_shown.value(BirthdayRecord::Date));
    if (date && *date >= m_objDate->minimumDate() && *date <= m_objDate->maximumDate())
        m_objDate->setDate(*date);
    else
        unreadable << QStringLiteral("the date");
    if (const std::optional<bool> recurs = flagRead(m_shown.value(BirthdayRecord::Recurs)))
        m_chkRepeats->setChecked(*recurs);
    else
        unreadable << QStringLiteral("whether it repeats every year");
    m_txtNotifyDays->setText(m_shown.value(BirthdayRecord::Notify));
    if (const std::optional<int> alert =
            TextConv::textToWhole(m_shown.value(BirthdayRecord::Alert), 0, 1))
        m_cboAlert->setCurrentIndex(*alert);
    else
        unreadable << QStringLiteral("what happens on the day");
    if (const std::optional<bool> years = flagRead(m_shown.value(BirthdayRecord::ShowYears)))
        m_chkYears->setChecked(*years);
    else
        unreadable << QStringLiteral("whether the number of years is displayed");

    if (!unreadable.isEmpty()) {
        m_startupNotice =
            QStringLiteral("Some details of this event could not be read: %1.  They are shown "
                           "with the values a new event starts with.  Press OK to save the event "
                           "with what you see, or Cancel to leave it unchanged.")
                .arg(listJoin(unreadable));
    }
}

void BirthdayDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownBefore)
        return;
    m_shownBefore = true;
    m_txtName->setFocus(Qt::TabFocusReason); // selects the text, ready to be typed over
    if (!m_startupNotice.isEmpty())
        QTimer::singleShot(0, this, &BirthdayDialog::startupNoticeShow);
}

void BirthdayDialog::startupNoticeShow()
{
    dialogMessage(this, m_closeAfterNotice ? QMessageBox::Warning : QMessageBox::Information,
                  m_startupNotice);
    m_startupNotice.clear();
    if (m_closeAfterNotice)
        reject();
}

void BirthdayDialog::nameRejected()
{
    // A name that is too long as it stands (Enter pressed on it) is reported by OK itself.
    if (m_nameNoticeOpen || !BirthdayInput::nameFits(m_txtName->text()))
        return;
    m_nameNoticeOpen = true;
    dialogMessage(this, QMessageBox::Warning, nameTooLongText());
    m_nameNoticeOpen = false;
    m_txtName->setFocus();
}

QStringList BirthdayDialog::fieldValues() const
{
    return {m_txtName->text(),
            TextConv::dateToText(m_objDate->date()),
            m_chkRepeats->isChecked() ? QStringLiteral("1") : QStringLiteral("0"),
            m_txtNotifyDays->text(),
            QString::number(m_cboAlert->currentIndex()),
            m_chkYears->isChecked() ? QStringLiteral("1") : QStringLiteral("0")};
}

void BirthdayDialog::cmdOkClick()
{
    if (m_txtName->text().isEmpty()) {
        dialogMessage(this, QMessageBox::Warning,
                      QStringLiteral("You have not entered a valid name for this birthday.  "
                                     "Please check and try again."));
        m_txtName->setFocus();
        return;
    }
    if (!BirthdayInput::nameFits(m_txtName->text())) {
        dialogMessage(this, QMessageBox::Warning, nameTooLongText());
        m_txtName->setFocus();
        return;
    }
    // Never a date other than the one shown: 29 February of a common year, or a year the
    // picker cannot hold, stays on screen and is refused here.
    if (!m_objDate->showsHeldDate()) {
        dialogMessage(this, QMessageBox::Warning,
                      QStringLiteral("You have not entered a valid date for this birthday.  "
                                     "Please check and try again."));
        m_objDate->setFocus();
        return;
    }
    if (m_txtNotifyDays->text().isEmpty())
        m_txtNotifyDays->setText(QStringLiteral("0"));
    if (!BirthdayInput::notifyTextValid(m_txtNotifyDays->text())) {
        dialogMessage(this, QMessageBox::Warning,
                      QStringLiteral("The Notify From value must be a number that is zero or "
                                     "over.  Please check and try again."));
        m_txtNotifyDays->setFocus();
        return;
    }

    if (m_mode == Mode::Add ? recordAdd() : recordUpdate())
        accept();
}

bool BirthdayDialog::recordAdd()
{
    // One store operation takes the smallest free key and writes the six fields, so no other
    // running copy can take the same key and a failure leaves nothing behind.
    BirthdayRecord record;
    const QStringList values = fieldValues();
    for (size_t i = 0; i < writtenSlots.size(); ++i)
        record.setValue(writtenSlots[i], values[qsizetype(i)]);
    if (m_store.addRecord(record))
        return true;
    dialogMessage(this, QMessageBox::Warning,
                  QStringLiteral("The event could not be saved.\n\n") + m_store.errorString());
    return false;
}

bool BirthdayDialog::recordUpdate()
{
    BirthdayRecord edited = m_shown;
    const QStringList values = fieldValues();
    for (size_t i = 0; i < writtenSlots.size(); ++i)
        edited.setValue(writtenSlots[i], values[qsizetype(i)]);
    switch (m_store.updateRecord(m_shown, edited)) {
    case BirthdayStore::Outcome::Done:
        return true;
    case BirthdayStore::Outcome::Changed:
        // Saving over another program's change would lose it: the caller says so.
        done(Changed);
        return false;
    case BirthdayStore::Outcome::Failed:
        break;
    }
    dialogMessage(this, QMessageBox::Warning,
                  QStringLiteral("The event could not be saved.\n\n") + m_store.errorString());
    return false;
}
