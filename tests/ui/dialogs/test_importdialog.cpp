#include "dialogs/importdialog.h"

#include <QLabel>
#include <QTest>
#include <QTreeWidget>

class TestImportDialog : public QObject
{
    Q_OBJECT
private slots:
    void onlyNewEventsAreChecked();
};

void TestImportDialog::onlyNewEventsAreChecked()
{
    const auto entry = [](const char* name, int day, ImportEntry::Problem problem) {
        ImportEntry e;
        e.name = QLatin1String(name);
        e.date = QDate(1984, 12, day);
        e.problem = problem;
        e.reason = problem == ImportEntry::Problem::None ? QString() : QStringLiteral("why");
        return e;
    };
    using Problem = ImportEntry::Problem;
    const QList<ImportEntry> entries = {
        entry("Anna", 8, Problem::None), entry("Ben", 9, Problem::None),
        entry("Anna", 8, Problem::None), entry("Lena", 1, Problem::NoDate),
        entry("Damaged", 1, Problem::Broken)};
    ImportDialog dialog(ImportPlan::plan(entries, {}, QDate(2026, 12, 6)), {"contacts.vcf"});
    QTreeWidget* list = dialog.list();
    QCOMPARE(list->topLevelItemCount(), 5);
    for (int row = 0; row < 5; ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        const bool isNew = row < 2;
        QCOMPARE(item->checkState(0), isNew ? Qt::Checked : Qt::Unchecked);
        QCOMPARE(item->flags().testFlag(Qt::ItemIsEnabled), isNew);
        QCOMPARE(item->text(2).isEmpty(), isNew); // the reason
    }
    auto* count = dialog.findChild<QLabel*>(QStringLiteral("lblImportCount"));
    QCOMPARE(count->text(), QStringLiteral("2 to add, 1 already there, 1 without a date, 1 could "
                                           "not be read"));

    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QCOMPARE(dialog.chosenRecords().size(), 1);
    QCOMPARE(dialog.chosenRecords().first().value(BirthdayRecord::Name), QStringLiteral("Ben"));
    QVERIFY(count->text().startsWith(QLatin1String("1 to add")));
}

QTEST_MAIN(TestImportDialog)
#include "test_importdialog.moc"
