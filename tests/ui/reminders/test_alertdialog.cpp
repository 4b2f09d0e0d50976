#include "reminders/alertdialog.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestAlertDialog : public QObject
{
    Q_OBJECT

private slots:
    void layout()
    {
        AlertDialog dialog;
        QCOMPARE(dialog.windowTitle(), "Candlewatcher Alert");
        QCOMPARE(dialog.minimumSize(), QSize(443, 184));
        QCOMPARE(dialog.maximumSize(), QSize(443, 184));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!dialog.isModal());
        auto* group = dialog.findChild<QGroupBox*>("grpDue");
        QVERIFY(group);
        QCOMPARE(group->title(), "Birthdays Due Today");
        auto* list = dialog.findChild<QListWidget*>("lstDue");
        QVERIFY(list && list->parent() == group);
        QCOMPARE(list->count(), 0);
        auto* close = dialog.findChild<QPushButton*>("cmdClose");
        QVERIFY(close);
        QCOMPARE(close->text(), "Close");
        QVERIFY(close->isDefault());
        QCOMPARE(close->geometry(), QRect(348, 152, 89, 25));
    }

    void listOnlyGrows()
    {
        AlertDialog dialog;
        dialog.dueAdd("Ann");
        dialog.dueAdd("Bob");
        dialog.show();
        dialog.dueAdd("Ann"); // the next day, the same event again
        QCOMPARE(dialog.dueNames(), QStringList({"Ann", "Bob", "Ann"}));
    }

    void keysClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }

    void keysClose()
    {
        QFETCH(int, key);
        QPointer<AlertDialog> dialog = new AlertDialog;
        dialog->dueAdd("Ann");
        dialog->show();
        QApplication::setActiveWindow(dialog);
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget()
                                                    : static_cast<QWidget*>(dialog.data()),
                        Qt::Key(key));
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 5000);
    }

    void closeButtonCloses()
    {
        QPointer<AlertDialog> dialog = new AlertDialog;
        dialog->show();
        QTest::mouseClick(dialog->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(dialog.isNull(), 5000);
    }
};

QTEST_MAIN(TestAlertDialog)
#include "test_alertdialog.moc"
