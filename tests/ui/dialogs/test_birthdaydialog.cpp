#include "dialogtesting.h"

#include "app/clock.h"
#include "dialogs/birthdaydialog.h"
#include "store/birthdaystore.h"
#include "text/textconv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

using Mode = BirthdayDialog::Mode;
Q_DECLARE_METATYPE(BirthdayDialog::Mode)

namespace {

const QString nameMessage = QStringLiteral(
    "You have not entered a valid name for this birthday.  Please check and try again.");
const QString notifyMessage = QStringLiteral(
    "The Notify From value must be a number that is zero or over.  Please check and try again.");

const QDate today(2024, 3, 15);

struct Values
{
    QString name, date, recurs, notify, alert, lastDate, showYears;
};

// Writes a record field by field, as the program's own dialogs do; returns its key.
int recordSeed(BirthdayStore& store, const Values& v)
{
    const std::optional<int> key = store.recordKeyNew();
    if (!key)
        return -1;
    const QList<std::pair<const char*, QString>> fields = {
        {"Name", v.name},     {"Date", v.date},   {"Recurs", v.recurs},
        {"Notify", v.notify}, {"Alert", v.alert}, {"ShowYears", v.showYears}};
    for (const auto& [field, value] : fields) {
        if (!store.fieldWrite(QString::fromLatin1(field), *key, value))
            return -1;
    }
    if (!v.lastDate.isNull() && !store.fieldWrite(QStringLiteral("LastDate"), *key, v.lastDate))
        return -1;
    return *key;
}

// Every field of a record, in the store's order (Name, Date, Recurs, Notify, Alert, LastDate,
// ShowYears).
QStringList fields(const BirthdayRecord& record)
{
    QStringList values;
    for (int field = 0; field < BirthdayRecord::FieldCount; ++field)
        values.append(record.value(BirthdayRecord::Field(field)));
    return values;
}

} // namespace

class TestBirthdayDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layoutAndCaptions_data();
    void layoutAndCaptions();
    void helpHooks_data();
    void helpHooks();

    void addWritesSixFields();
    void addWritesControlsAsSet();
    void notifyValidation_data();
    void notifyValidation();
    void notifyTakesTwoCharacters();
    void datesSavedAsShown_data();
    void datesSavedAsShown();
    void blankNameSavedUnchanged();
    void addTakesSmallestFreeKey_data();
    void addTakesSmallestFreeKey();
    void nameOverCellRefused();
    void nameOverCellRefusedOnOk();

    void editShowsRecord();
    void editKeepsLastDateAndKey();
    void editFailedOkKeepsTypedValues();
    void editBadValuesOpenWithDefaults();
    void editOfRecordChangedMeanwhile();

    void cancelLeavesFileUntouched_data();
    void cancelLeavesFileUntouched();
    void storeErrorKeepsDialogOpen_data();
    void storeErrorKeepsDialogOpen();
    void keyLimitKeepsDialogOpen();
    void editWriteStoppedPartWayIsTakenBack();

private:
    std::unique_ptr<BirthdayDialog> dialogOpen(Mode mode, int key = 0);
    template <typename T> T* control(const char* name) const
    {
        T* found = m_dialog->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    // Enter, in whatever control has the focus; after a message box the dialog is activated
    // again first, as the window manager does.
    void okPress()
    {
        if (!m_dialog->isActiveWindow()) {
            m_dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    std::optional<BirthdayRecord> onlyRecord();
    // A yearly record with ten days' notice, an alert dialog and years shown.
    int seed(const QString& name, const QDate& date)
    {
        return recordSeed(*m_store, {name, TextConv::dateToText(date), "1", "10", "0", {}, "1"});
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<BirthdayStore> m_store;
    std::unique_ptr<FixedClock> m_clock;
    BirthdayDialog* m_dialog = nullptr;
    QStringList m_help;
};

void TestBirthdayDialog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("birthday.dat"));
    m_store = std::make_unique<BirthdayStore>(m_path);
    m_clock = std::make_unique<FixedClock>(QDateTime(today, QTime(10, 0)));
    m_help.clear();
}

void TestBirthdayDialog::cleanup()
{
    m_dialog = nullptr;
    m_store.reset();
    m_dir.reset();
}

std::unique_ptr<BirthdayDialog> TestBirthdayDialog::dialogOpen(Mode mode, int key)
{
    // Edit shows the record as the list read it.
    const BirthdayRecord shown =
        mode == Mode::Edit ? m_store->recordRead(key).value_or(BirthdayRecord()) : BirthdayRecord();
    auto dialog = std::make_unique<BirthdayDialog>(mode, shown, *m_store, *m_clock,
                                                   [this](const QString& k) { m_help << k; });
    m_dialog = dialog.get();
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("dialog not active");
    return dialog;
}

std::optional<BirthdayRecord> TestBirthdayDialog::onlyRecord()
{
    const std::optional<QList<int>> keys = m_store->recordKeysList();
    if (!keys || keys->size() != 1)
        return std::nullopt;
    return m_store->recordRead(keys->first());
}

void TestBirthdayDialog::layoutAndCaptions_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("caption");
    QTest::newRow("add") << Mode::Add << "Add New Birthday";
    QTest::newRow("edit") << Mode::Edit << "Edit Birthday Details";
}

void TestBirthdayDialog::layoutAndCaptions()
{
    QFETCH(Mode, mode);
    QFETCH(QString, caption);
    int key = 0;
    if (mode == Mode::Edit) {
        key = seed("Ann", QDate(1990, 5, 1));
        QCOMPARE(key, 0);
    }
    auto dialog = dialogOpen(mode, key);
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(control<QGroupBox>("grpName")->title(), QStringLiteral("Name"));
    QCOMPARE(control<QGroupBox>("grpOccursOn")->title(), QStringLiteral("Occurs On"));
    QCOMPARE(control<QGroupBox>("grpNotify")->title(), QStringLiteral("Notify From"));
    QCOMPARE(control<QGroupBox>("grpAlert")->title(), QStringLiteral("On the Day"));
    QCOMPARE(control<QCheckBox>("chkRepeats")->text(), QStringLiteral("Repeats every year"));
    QCOMPARE(control<QCheckBox>("chkYears")->text(), QStringLiteral("Display number of years"));
    QCOMPARE(control<QLabel>("lblDaysInAdvance")->text(), QStringLiteral("day(s) in advance"));
    auto* alert = control<QComboBox>("cboAlert");
    QCOMPARE(alert->count(), 2);
    QCOMPARE(alert->itemText(0), QStringLiteral("Show a Dialog"));
    QCOMPARE(alert->itemText(1), QStringLiteral("Do Nothing!"));
    QCOMPARE(control<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
    QVERIFY(control<QPushButton>("cmdOK")->isDefault());
    QCOMPARE(control<QPushButton>("cmdCancel")->text(), QStringLiteral("Cancel"));
    auto* date = control<QDateEdit>("objDate");
    QVERIFY(date->calendarPopup());
    QCOMPARE(date->displayedSections() & QDateTimeEdit::TimeSections_Mask, 0);
    QCOMPARE(control<QLineEdit>("txtNotifyDays")->maxLength(), 2);
    QCOMPARE(focusControl(dialog.get()), QStringLiteral("txtName"));

    if (mode == Mode::Add) {
        QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("New Birthday"));
        QCOMPARE(control<QLineEdit>("txtNotifyDays")->text(), QStringLiteral("10"));
        QVERIFY(control<QCheckBox>("chkRepeats")->isChecked());
        QVERIFY(control<QCheckBox>("chkYears")->isChecked());
        QCOMPARE(alert->currentIndex(), 0);
        QCOMPARE(date->date(), today);
        // Ready to be typed over.
        QCOMPARE(control<QLineEdit>("txtName")->selectedText(), QStringLiteral("New Birthday"));
    }

    const QStringList tabOrder = {"txtName",   "objDate", "chkRepeats", "txtNotifyDays", "cboAlert",
                                  "cmdCancel", "cmdOK",   "chkYears",   "txtName"};
    QStringList visited = {focusControl(dialog.get())};
    for (int i = 1; i < tabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focusControl(dialog.get());
    }
    QCOMPARE(visited, tabOrder);
}

void TestBirthdayDialog::helpHooks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    const std::pair<const char*, const char*> rows[] = {
        {"txtName", "name"},       {"objDate", "date"},
        {"chkRepeats", "repeats"}, {"txtNotifyDays", "notifyfrom"},
        {"grpAlert", "alerts"},    {"cmdOK", "ok"},
        {"cmdCancel", "cancel"},   {"chkYears", ""},
        {"cboAlert", ""},          {"grpName", ""}};
    for (const auto& [control, key] : rows)
        QTest::newRow(control) << control << key;
}

void TestBirthdayDialog::helpHooks()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    auto dialog = dialogOpen(Mode::Add);
    auto* widget = dialog->findChild<QWidget*>(control);
    QVERIFY(widget);
    // Straight from another control, as a quick pointer goes: no frame sees it pass.
    QTest::mouseMove(control == "cmdOK" ? m_dialog->findChild<QWidget*>("cmdCancel")
                                        : m_dialog->findChild<QWidget*>("cmdOK"));
    m_help.clear();
    // A frame by its corner, the rest of it is the controls inside.
    QTest::mouseMove(widget, control.startsWith("grp") ? QPoint(2, 2) : widget->rect().center());
    if (key.isEmpty())
        QVERIFY2(m_help.isEmpty(), qPrintable(m_help.join(',')));
    else
        QVERIFY2(!m_help.isEmpty() && m_help.last() == key, qPrintable(m_help.join(',')));
}

// Adding to an empty store: six cells under key 0, in the order Name, Date, Recurs, Notify,
// Alert, ShowYears, and no LastDate cell.
void TestBirthdayDialog::addWritesSixFields()
{
    auto dialog = dialogOpen(Mode::Add);
    QSignalSpy accepted(dialog.get(), &QDialog::accepted);
    QTest::keyClicks(control<QLineEdit>("txtName"), QStringLiteral("Fred's Birthday"));
    okPress();
    QCOMPARE(accepted.count(), 1);
    QVERIFY(!dialog->isVisible());

    const QByteArray bytes = fileBytes(m_path);
    QCOMPARE(bytes.size(), 327);
    // Slot byte of each cell, in file order.
    QCOMPARE(int(bytes[0]), 0);
    QCOMPARE(int(bytes[262]), 1);
    QCOMPARE(int(bytes[294]), 2);
    QCOMPARE(int(bytes[302]), 3);
    QCOMPARE(int(bytes[311]), 4);
    QCOMPARE(int(bytes[319]), 6);

    QCOMPARE(m_store->recordKeysList().value(), QList<int>{0});
    QCOMPARE(
        fields(m_store->recordRead(0).value()),
        QStringList({"Fred's Birthday", TextConv::dateToText(today), "1", "10", "0", "", "1"}));
}

void TestBirthdayDialog::addWritesControlsAsSet()
{
    auto dialog = dialogOpen(Mode::Add);
    QTest::keyClicks(control<QLineEdit>("txtName"), QStringLiteral("Rita"));
    control<QDateEdit>("objDate")->setDate(QDate(1971, 11, 30));
    boxClick(control<QCheckBox>("chkRepeats"));
    boxClick(control<QCheckBox>("chkYears"));
    auto* alert = control<QComboBox>("cboAlert");
    alert->setFocus();
    QTest::keyClick(alert, Qt::Key_Down);
    typeInto(control<QLineEdit>("txtNotifyDays"), QStringLiteral("3"));
    QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);

    const std::optional<BirthdayRecord> record = onlyRecord();
    QVERIFY(record);
    QCOMPARE(fields(*record), QStringList({"Rita", TextConv::dateToText(QDate(1971, 11, 30)), "0",
                                           "3", "1", "", "0"}));
}

void TestBirthdayDialog::notifyValidation_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("stored");

    QTest::newRow("empty saves zero") << true << "" << true << "0";
    QTest::newRow("minus one refused") << true << "-1" << false << "";
    QTest::newRow("ninety-nine") << true << "99" << true << "99";
    QTest::newRow("blank before digit") << true << " 5" << true << " 5";
    QTest::newRow("point before digit") << true << ".5" << true << ".5";
    QTest::newRow("zero") << true << "0" << true << "0";
    QTest::newRow("letters refused") << true << "x1" << false << "";
    QTest::newRow("point only refused") << true << "." << false << "";
    // The name is tested first; the notify box is neither tested nor changed meanwhile.
    for (const char* notify : {"", "-1", "ab", "10"})
        QTest::addRow("empty name, notify '%s'", notify) << false << notify << false << "";
}

void TestBirthdayDialog::notifyValidation()
{
    QFETCH(bool, named);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, stored);

    auto dialog = dialogOpen(Mode::Add);
    typeInto(control<QLineEdit>("txtName"), named ? QStringLiteral("Ann") : QString());
    typeInto(control<QLineEdit>("txtNotifyDays"), typed);
    MessageAnswerer answerer;
    control<QLineEdit>("txtName")->setFocus();
    okPress();

    if (accepted) {
        QVERIFY2(answerer.seen().isEmpty(), qPrintable(answerer.texts().join('|')));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const std::optional<BirthdayRecord> record = onlyRecord();
        QVERIFY(record);
        QCOMPARE(record->value(BirthdayRecord::Notify), stored);
    } else {
        QCOMPARE(answerer.texts(), QStringList{named ? notifyMessage : nameMessage});
        QCOMPARE(answerer.seen().first().title, QStringLiteral("Candlewatcher"));
        QCOMPARE(answerer.seen().first().icon, QMessageBox::Warning);
        QCOMPARE(answerer.seen().first().format, Qt::PlainText);
        QVERIFY(dialog->isVisible());
        QTRY_COMPARE(focusControl(dialog.get()),
                     named ? QStringLiteral("txtNotifyDays") : QStringLiteral("txtName"));
        QCOMPARE(control<QLineEdit>("txtNotifyDays")->text(), typed);
        QVERIFY(!QFile::exists(m_path));
    }
}

void TestBirthdayDialog::datesSavedAsShown_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed"); // from the first section on, the year holding 2026
    QTest::addColumn<bool>("byMouse");  // OK clicked, or Return in the picker
    QTest::addColumn<QDate>("saved");   // invalid: refused with a message
    QTest::newRow("29 Feb, day first") << "en_GB"
                                       << "29022024" << true << QDate(2024, 2, 29);
    QTest::newRow("29 Feb, month first") << "en_US"
                                         << "2292024" << false << QDate(2024, 2, 29);
    QTest::newRow("29 Feb, year first") << "sv_SE"
                                        << "20240229" << true << QDate(2024, 2, 29);
    QTest::newRow("29 Feb of a common year") << "en_GB"
                                             << "2902" << true << QDate();
    QTest::newRow("29 Feb of a common year, Return") << "de_DE"
                                                     << "2902" << false << QDate();
    QTest::newRow("year half typed") << "en_GB"
                                     << "150115" << true << QDate();
    QTest::newRow("year 0") << "en_GB"
                            << "15010000" << false << QDate();
}

void TestBirthdayDialog::datesSavedAsShown()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(bool, byMouse);
    QFETCH(QDate, saved);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    auto dialog = dialogOpen(Mode::Add);
    auto* picker = control<QDateEdit>("objDate");
    picker->setDate(QDate(2026, 1, 15));
    picker->setFocus();
    picker->setSelectedSection(picker->sectionAt(0));
    QTest::keyClicks(picker, typed);
    const QString shown = picker->findChild<QLineEdit*>()->text();
    MessageAnswerer answerer;
    if (byMouse)
        QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
    else
        okPress();
    QLocale::setDefault(before);

    if (saved.isValid()) {
        QVERIFY2(answerer.seen().isEmpty(), qPrintable(answerer.texts().join('|')));
        QCOMPARE(onlyRecord()->value(BirthdayRecord::Date),
                 TextConv::dateToText(saved, QLocale(locale)));
    } else {
        QCOMPARE(answerer.texts(),
                 QStringList{"You have not entered a valid date for this birthday.  "
                             "Please check and try again."});
        QVERIFY(!QFile::exists(m_path));
        QTRY_COMPARE(focusControl(dialog.get()), QStringLiteral("objDate"));
        // What was typed is still there to be put right.
        QCOMPARE(picker->findChild<QLineEdit*>()->text(), shown);
    }
}

void TestBirthdayDialog::notifyTakesTwoCharacters()
{
    auto dialog = dialogOpen(Mode::Add);
    typeInto(control<QLineEdit>("txtNotifyDays"), QStringLiteral("123"));
    QCOMPARE(control<QLineEdit>("txtNotifyDays")->text(), QStringLiteral("12"));
}

void TestBirthdayDialog::blankNameSavedUnchanged()
{
    auto dialog = dialogOpen(Mode::Add);
    QTest::keyClicks(control<QLineEdit>("txtName"), QStringLiteral("   "));
    okPress();
    const std::optional<BirthdayRecord> record = onlyRecord();
    QVERIFY(record);
    QCOMPARE(record->value(BirthdayRecord::Name), QStringLiteral("   "));
}

void TestBirthdayDialog::addTakesSmallestFreeKey_data()
{
    QTest::addColumn<QList<int>>("existing");
    QTest::addColumn<int>("expected");
    QTest::newRow("empty store") << QList<int>{} << 0;
    QTest::newRow("after 0, 1, 3") << QList<int>{0, 1, 3} << 2;
    QTest::newRow("after 1, 2") << QList<int>{1, 2} << 0;
}

void TestBirthdayDialog::addTakesSmallestFreeKey()
{
    QFETCH(QList<int>, existing);
    QFETCH(int, expected);
    const int highest = existing.isEmpty() ? -1 : existing.last();
    for (int key = 0; key <= highest; ++key)
        QCOMPARE(seed(QString::number(key), today), key);
    for (int key = 0; key <= highest; ++key) {
        if (!existing.contains(key))
            QCOMPARE(m_store->recordDelete(*m_store->recordRead(key)),
                     BirthdayStore::Outcome::Done);
    }

    auto dialog = dialogOpen(Mode::Add);
    QTest::keyClicks(control<QLineEdit>("txtName"), QStringLiteral("Newest"));
    okPress();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(m_store->recordRead(expected).value().value(BirthdayRecord::Name),
             QStringLiteral("Newest"));
    QCOMPARE(m_store->recordKeysList().value().size(), existing.size() + 1);
}

// Typing or pasting past what the Name cell holds is refused with a message; what was there
// stays.
void TestBirthdayDialog::nameOverCellRefused()
{
    auto dialog = dialogOpen(Mode::Add);
    auto* name = control<QLineEdit>("txtName");
    typeInto(name, QString(254, QLatin1Char('a')));
    QTest::keyClicks(name, QStringLiteral("b"));
    QCOMPARE(name->text().size(), 255);

    MessageAnswerer answerer;
    // Two bytes once stored: one too many. (keyClicks knows only ASCII.)
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(0xE9)));
    QApplication::sendEvent(name, &accented);
    QTRY_COMPARE(answerer.seen().size(), 1);
    QVERIFY(answerer.seen().first().text.contains(QLatin1String("too long")));
    QCOMPARE(answerer.seen().first().title, QStringLiteral("Candlewatcher"));
    QCOMPARE(name->text(), QString(254, QLatin1Char('a')) + QLatin1Char('b'));

    // A paste that would cross the limit is refused whole, not cut.
    name->setSelection(0, 1);
    name->insert(QStringLiteral("xyz"));
    QTRY_COMPARE(answerer.seen().size(), 2);
    QCOMPARE(name->text(), QString(254, QLatin1Char('a')) + QLatin1Char('b'));

    okPress();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(onlyRecord().value().value(BirthdayRecord::Name), name->text());
}

void TestBirthdayDialog::nameOverCellRefusedOnOk()
{
    auto dialog = dialogOpen(Mode::Add);
    auto* name = control<QLineEdit>("txtName");
    name->setText(QString(200, QChar(0xE9))); // set by program: no validator in the way
    MessageAnswerer answerer;
    okPress();
    QCOMPARE(answerer.seen().size(), 1);
    QVERIFY(answerer.seen().first().text.contains(QLatin1String("too long")));
    QVERIFY(dialog->isVisible());
    QCOMPARE(name->text(), QString(200, QChar(0xE9)));
    QVERIFY(!QFile::exists(m_path));
}

void TestBirthdayDialog::editShowsRecord()
{
    QCOMPARE(
        recordSeed(*m_store, {"Zero", TextConv::dateToText(today), "1", "1", "0", QString(), "1"}),
        0);
    QCOMPARE(recordSeed(*m_store, {"Rita's Anniversary", TextConv::dateToText(QDate(1985, 7, 4)),
                                   "0", "7", "1", QString(), "0"}),
             1);
    auto dialog = dialogOpen(Mode::Edit, 1);
    QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("Rita's Anniversary"));
    QCOMPARE(control<QDateEdit>("objDate")->date(), QDate(1985, 7, 4));
    QVERIFY(!control<QCheckBox>("chkRepeats")->isChecked());
    QCOMPARE(control<QLineEdit>("txtNotifyDays")->text(), QStringLiteral("7"));
    QCOMPARE(control<QComboBox>("cboAlert")->currentIndex(), 1);
    QVERIFY(!control<QCheckBox>("chkYears")->isChecked());
}

void TestBirthdayDialog::editKeepsLastDateAndKey()
{
    const QString lastDate = TextConv::dateToText(QDate(2023, 7, 4));
    QCOMPARE(
        recordSeed(*m_store, {"Zero", TextConv::dateToText(today), "1", "1", "0", QString(), "1"}),
        0);
    QCOMPARE(recordSeed(*m_store, {"Rita", TextConv::dateToText(QDate(1985, 7, 4)), "1", "10", "0",
                                   lastDate, "1"}),
             1);
    const qint64 sizeBefore = fileBytes(m_path).size();

    auto dialog = dialogOpen(Mode::Edit, 1);
    typeInto(control<QLineEdit>("txtName"), QStringLiteral("Rita's 40th"));
    typeInto(control<QLineEdit>("txtNotifyDays"), QStringLiteral("5"));
    boxClick(control<QCheckBox>("chkRepeats"));
    okPress();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));

    QCOMPARE(fileBytes(m_path).size(), sizeBefore); // overwritten in place, nothing appended
    QCOMPARE(m_store->recordKeysList().value(), (QList<int>{0, 1}));
    QCOMPARE(fields(m_store->recordRead(1).value()),
             QStringList({"Rita's 40th", TextConv::dateToText(QDate(1985, 7, 4)), "0", "5", "0",
                          lastDate, "1"}));
    QCOMPARE(m_store->recordRead(0).value().value(BirthdayRecord::Name), QStringLiteral("Zero"));
}

// After the message box over the edit dialog closes (which activates the dialog again), the
// controls still hold what the user typed, not the stored values.
void TestBirthdayDialog::editFailedOkKeepsTypedValues()
{
    QCOMPARE(seed("Stored", QDate(1990, 1, 2)), 0);
    const QByteArray before = fileBytes(m_path);
    auto dialog = dialogOpen(Mode::Edit, 0);
    typeInto(control<QLineEdit>("txtName"), QStringLiteral("Typed"));
    typeInto(control<QLineEdit>("txtNotifyDays"), QStringLiteral("-1"));
    boxClick(control<QCheckBox>("chkYears"));
    {
        MessageAnswerer answerer;
        QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
        QCOMPARE(answerer.texts(), QStringList{notifyMessage});
    }
    dialog->activateWindow();
    QTest::qWait(20);
    QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("Typed"));
    QCOMPARE(control<QLineEdit>("txtNotifyDays")->text(), QStringLiteral("-1"));
    QVERIFY(!control<QCheckBox>("chkYears")->isChecked());
    QCOMPARE(fileBytes(m_path), before);

    // Correcting the box then saves the typed values.
    typeInto(control<QLineEdit>("txtNotifyDays"), QStringLiteral("2"));
    okPress();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    const BirthdayRecord record = m_store->recordRead(0).value();
    QCOMPARE(record.value(BirthdayRecord::Name), QStringLiteral("Typed"));
    QCOMPARE(record.value(BirthdayRecord::ShowYears), QStringLiteral("0"));
}

void TestBirthdayDialog::editBadValuesOpenWithDefaults()
{
    QCOMPARE(recordSeed(*m_store, {"Odd", "not a date", "", "4", "x", {}, "7"}), 0);
    const QByteArray before = fileBytes(m_path);
    MessageAnswerer answerer;
    auto dialog = dialogOpen(Mode::Edit, 0);
    QTRY_COMPARE(answerer.seen().size(), 1);
    QVERIFY(dialog->isVisible());
    const QString text = answerer.seen().first().text;
    QVERIFY2(text.contains(QLatin1String("the date")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("repeats")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("on the day")), qPrintable(text));
    QVERIFY2(text.contains(QLatin1String("number of years")), qPrintable(text));

    QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("Odd"));
    QCOMPARE(control<QLineEdit>("txtNotifyDays")->text(), QStringLiteral("4"));
    QCOMPARE(control<QDateEdit>("objDate")->date(), today);
    QVERIFY(control<QCheckBox>("chkRepeats")->isChecked());
    QCOMPARE(control<QComboBox>("cboAlert")->currentIndex(), 0);
    QVERIFY(control<QCheckBox>("chkYears")->isChecked());
    QCOMPARE(fileBytes(m_path), before); // opening writes nothing

    // Only the fields that did not convert are named.
    dialog.reset();
    QVERIFY(m_store->fieldWrite(QStringLiteral("Date"), 0, TextConv::dateToText(today)));
    QVERIFY(m_store->fieldWrite(QStringLiteral("Recurs"), 0, QStringLiteral("0")));
    QVERIFY(m_store->fieldWrite(QStringLiteral("ShowYears"), 0, QStringLiteral("0")));
    dialog = dialogOpen(Mode::Edit, 0);
    QTRY_COMPARE(answerer.seen().size(), 2);
    const QString second = answerer.seen().last().text;
    QVERIFY2(!second.contains(QLatin1String("the date")), qPrintable(second));
    QVERIFY2(second.contains(QLatin1String("on the day")), qPrintable(second));
    QVERIFY(!control<QCheckBox>("chkRepeats")->isChecked());
}

// A second running copy changed the record while the dialog was open: OK writes nothing and
// tells the caller, which says so.
void TestBirthdayDialog::editOfRecordChangedMeanwhile()
{
    QCOMPARE(seed("Gone", today), 0);
    auto dialog = dialogOpen(Mode::Edit, 0);
    typeInto(control<QLineEdit>("txtName"), QStringLiteral("Changed"));
    BirthdayStore other(m_path);
    QVERIFY(other.fieldWrite(QStringLiteral("Notify"), 0, QStringLiteral("3")));
    const QByteArray before = fileBytes(m_path);

    MessageAnswerer answerer;
    okPress();
    QCOMPARE(answerer.seen().size(), 0);
    QCOMPARE(dialog->result(), BirthdayDialog::Changed);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(fileBytes(m_path), before);
}

void TestBirthdayDialog::cancelLeavesFileUntouched_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("how"); // 0 Cancel button, 1 Escape, 2 window closed
    for (const auto& [mode, name] : {std::pair{Mode::Add, "add"}, std::pair{Mode::Edit, "edit"}}) {
        QTest::addRow("%s, cancel", name) << mode << 0;
        QTest::addRow("%s, escape", name) << mode << 1;
        QTest::addRow("%s, closed", name) << mode << 2;
    }
}

void TestBirthdayDialog::cancelLeavesFileUntouched()
{
    QFETCH(Mode, mode);
    QFETCH(int, how);
    QCOMPARE(recordSeed(*m_store, {"Ann", TextConv::dateToText(QDate(1990, 5, 1)), "1", "10", "0",
                                   TextConv::dateToText(QDate(2023, 5, 1)), "1"}),
             0);
    const QByteArray before = fileBytes(m_path);
    auto dialog = dialogOpen(mode, 0);
    QSignalSpy accepted(dialog.get(), &QDialog::accepted);
    typeInto(control<QLineEdit>("txtName"), QStringLiteral("Something else"));
    typeInto(control<QLineEdit>("txtNotifyDays"), QStringLiteral("3"));
    boxClick(control<QCheckBox>("chkRepeats"));
    if (how == 0)
        QTest::mouseClick(control<QPushButton>("cmdCancel"), Qt::LeftButton);
    else if (how == 1)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(fileBytes(m_path), before);
}

void TestBirthdayDialog::storeErrorKeepsDialogOpen_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::newRow("add") << Mode::Add;
    QTest::newRow("edit") << Mode::Edit;
}

// The data file can't be written (its path is taken by a folder after the dialog opened): the
// error shows, the dialog stays open with the input, and a later OK can still succeed.
void TestBirthdayDialog::storeErrorKeepsDialogOpen()
{
    QFETCH(Mode, mode);
    if (mode == Mode::Edit)
        QCOMPARE(seed("Ann", QDate(1990, 5, 1)), 0);
    auto dialog = dialogOpen(mode, 0);
    typeInto(control<QLineEdit>("txtName"), QStringLiteral("Kept input"));
    typeInto(control<QLineEdit>("txtNotifyDays"), QStringLiteral("7"));

    const QString aside = m_path + QStringLiteral(".aside");
    if (QFile::exists(m_path))
        QVERIFY(QFile::rename(m_path, aside));
    QVERIFY(QDir().mkdir(m_path));
    MessageAnswerer answerer;
    okPress();
    QCOMPARE(answerer.seen().size(), 1);
    QVERIFY2(answerer.seen().first().text.startsWith(QLatin1String("The event could not be saved")),
             qPrintable(answerer.seen().first().text));
    QCOMPARE(answerer.seen().first().title, QStringLiteral("Candlewatcher"));
    QVERIFY(dialog->isVisible());
    QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("Kept input"));
    QCOMPARE(control<QLineEdit>("txtNotifyDays")->text(), QStringLiteral("7"));

    QVERIFY(QDir().rmdir(m_path));
    if (QFile::exists(aside))
        QVERIFY(QFile::rename(aside, m_path));
    okPress();
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    const BirthdayRecord record = m_store->recordRead(0).value();
    QCOMPARE(record.value(BirthdayRecord::Name), QStringLiteral("Kept input"));
    QCOMPARE(record.value(BirthdayRecord::Notify), QStringLiteral("7"));
    QCOMPARE(m_store->recordKeysList().value(), QList<int>{0});
}

// Every key the file can hold is taken: the add is refused with the store's reason and the
// file stays as it was.
void TestBirthdayDialog::keyLimitKeepsDialogOpen()
{
    QVERIFY(namesFill(m_path, 1276));
    const QByteArray before = fileBytes(m_path);
    auto dialog = dialogOpen(Mode::Add);
    typeInto(control<QLineEdit>("txtName"), QStringLiteral("One too many"));
    MessageAnswerer answerer;
    okPress();
    QCOMPARE(answerer.seen().size(), 1);
    QVERIFY(answerer.seen().first().text.startsWith(QLatin1String("The event could not be saved")));
    QVERIFY(dialog->isVisible());
    QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("One too many"));
    QCOMPARE(fileBytes(m_path), before);
}

// The disk fills up half way through an edit: the record lacks its Alert and ShowYears cells,
// so those writes must grow the file, which the file size limit forbids. The fields already
// overwritten are put back, and the user is told the event was not saved.
void TestBirthdayDialog::editWriteStoppedPartWayIsTakenBack()
{
#ifdef Q_OS_UNIX
    const std::optional<int> key = m_store->recordKeyNew();
    QCOMPARE(key, std::optional<int>(0));
    for (const auto& [field, value] :
         {std::pair{"Name", "Short of cells"}, std::pair{"Date", "1 Jan 2000"},
          std::pair{"Recurs", "1"}, std::pair{"Notify", "4"}})
        QVERIFY(m_store->fieldWrite(QString::fromLatin1(field), 0, QString::fromLatin1(value)));
    const QByteArray before = fileBytes(m_path);

    MessageAnswerer answerer; // first says that the missing values show their defaults
    auto dialog = dialogOpen(Mode::Edit, 0);
    QTRY_COMPARE(answerer.seen().size(), 1);
    typeInto(control<QLineEdit>("txtName"), QStringLiteral("Renamed"));
    typeInto(control<QLineEdit>("txtNotifyDays"), QStringLiteral("9"));

    rlimit original{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &original), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = original;
    limited.rlim_cur = rlim_t(before.size());
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    okPress();
    ::setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(answerer.seen().size(), 2);
    QVERIFY2(answerer.seen().last().text.startsWith(QLatin1String("The event could not be saved")),
             qPrintable(answerer.seen().last().text));
    QVERIFY(dialog->isVisible());
    QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("Renamed"));
    QCOMPARE(fileBytes(m_path), before);
#else
    QSKIP("needs a file size limit");
#endif
}

QTEST_MAIN(TestBirthdayDialog)
#include "test_birthdaydialog.moc"
