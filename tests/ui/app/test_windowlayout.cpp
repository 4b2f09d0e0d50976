#include "app/windowlayout.h"
#include "help/helppanel.h"
#include "mainwindowfixture.h"

#include <QHeaderView>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

class TestWindowLayout : public QObject
{
    Q_OBJECT
private slots:
    // A first start has every default; the exit writes them all, the place and size of the
    // window's outer frame in twips.
    void firstExitWritesAllValues()
    {
        MainWindowFixture f;
        MainWindow& window = f.open();
        window.showFromTray();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowState(), Qt::WindowNoState);
        // The inside below the menu bar has the first start's size; the frame lies around it.
        QCOMPARE(window.size() - QSize(0, window.menuBar()->height()), QSize(482, 356));
        const QRect frame = window.frameGeometry();
        QVERIFY(frame.size() != window.size());
        f.quit();
        QFile ini(f.dir.filePath("settings.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(ini.readAll()).split('\n', Qt::SkipEmptyParts),
                 QString("[Settings] ArrangeIcons=NextDate Column1Pos=1 Column1Width=3000 "
                         "Column2Pos=2 Column2Width=1440 Column3Pos=3 Column3Width=1200 "
                         "Column4Pos=4 Column4Width=1200 Column5Pos=5 Column5Width=600 "
                         "IconView=LargeIcons InteractiveHelp=False LastCheck=2024-03-01T12:00:00 "
                         "QuitConfirm=0 StatusBar=True "
                         "ToolBar=True WindowHeight=%1 WindowLeft=%2 WindowState=0 WindowTop=%3 "
                         "WindowWidth=%4")
                     .arg(frame.height() * 15)
                     .arg(frame.x() * 15)
                     .arg(frame.y() * 15)
                     .arg(frame.width() * 15)
                     .split(' '));
    }

    void restartRestores()
    {
        MainWindowFixture f;
        MainWindow& first = f.open();
        first.actions().mnuViewList->trigger();
        first.actions().mnuViewArrangeIconsDate->trigger();
        first.actions().mnuHelpInteractive->trigger();
        first.actions().mnuViewToolbarsStandard->trigger();
        first.listView()->header()->resizeSection(0, 150);
        first.listView()->header()->moveSection(1, 0); // Date, Name
        first.resize(600, 420);
        first.move(40, 30);
        f.quit();
        QCOMPARE(f.settingsOf("Column1Pos Column2Pos"), "Column1Pos=2 Column2Pos=1");

        MainWindow& again = f.open();
        const MainActions& a = again.actions();
        QVERIFY(a.mnuViewList->isChecked() && !a.mnuViewLargeIcons->isChecked());
        QCOMPARE(again.listView()->viewMode(), ListViewMode::List);
        QVERIFY(a.mnuViewArrangeIconsDate->isChecked() &&
                !a.mnuViewArrangeIconsNextDate->isChecked());
        QCOMPARE(again.listView()->model()->sortColumn(), ListArrange::Date);
        QVERIFY(a.mnuHelpInteractive->isChecked() && !again.helpPanel()->isHidden());
        QVERIFY(!a.mnuViewToolbarsStandard->isChecked() && again.toolbar()->isHidden());
        QCOMPARE(again.listView()->header()->sectionSize(0), 150);
        QCOMPARE(again.listView()->header()->logicalIndex(0), 1);
        QCOMPARE(again.size(), QSize(600, 420));
        QCOMPARE(again.pos(), QPoint(40, 30));
    }

    void maximisedKeepsPlacement()
    {
        MainWindowFixture f;
        const QString placement =
            "WindowLeft=1500 WindowTop=750 WindowWidth=6000 WindowHeight=4500";
        f.setSettings(placement);
        MainWindow& window = f.open();
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        f.quit();
        QCOMPARE(f.settingsOf("WindowState WindowLeft WindowTop WindowWidth WindowHeight"),
                 "WindowState=2 " + placement);
        // The next start opens maximised.
        f.open().showFromTray();
        QTRY_VERIFY(f.window->isMaximized());
    }

    void storedValues_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("savedAgain");
        // Twips halve to even; what does not convert or fit falls back to the default. On and
        // off: a word in any case or a number, else the default. A view or arrangement of no
        // exact name: none is checked, nor written.
        for (const char* row :
             {"Column1Width 1234.5 1234", "Column1Width 1235.5 1236",   "Column1Width 1235.4 1235",
              "Column1Width -0.5 0",      "Column1Width 32767.4 32767", "Column1Width 32767.5 3000",
              "Column1Width wide 3000",   "Column1Width -15 3000",      "Column1Pos 0 1",
              "Column2Pos 6 2",           "Column2Pos left 2",          "WindowState 3 0",
              "WindowState -1 0",         "WindowState 65538 0",        "WindowWidth 7230x 7230",
              "WindowWidth 0 7230",       "WindowWidth 7499.5 7500",    "StatusBar FALSE False",
              "StatusBar tRuE True",      "StatusBar -2 True",          "StatusBar off True",
              "ToolBar 0.0 False",        "InteractiveHelp 1 True",     "InteractiveHelp yes False",
              "IconView details details", "ArrangeIcons DATE DATE"}) {
            const QStringList fields = QString(row).split(' ');
            QTest::newRow(row) << fields[0] << fields[1] << fields[2];
        }
    }

    void storedValues()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(QString, savedAgain);
        MainWindowFixture f;
        f.setSetting(qPrintable(name), stored);
        MainWindow& window = f.open();
        const MainActions& a = window.actions();
        // The check marks are the record; the controls follow them.
        QCOMPARE(window.objStatusBar()->isHidden(), !a.mnuViewToolbarsStatus->isChecked());
        QCOMPARE(window.toolbar()->isHidden(), !a.mnuViewToolbarsStandard->isChecked());
        QCOMPARE(window.helpPanel()->isHidden(), !a.mnuHelpInteractive->isChecked());
        if (name == "Column1Width")
            QCOMPARE(window.listView()->header()->sectionSize(0),
                     qRound(savedAgain.toInt() / 15.0));
        for (QAction* item : name == "IconView"       ? a.viewModeActions()
                             : name == "ArrangeIcons" ? a.arrangeActions()
                                                      : QList<QAction*>())
            QVERIFY2(!item->isChecked(), qPrintable(item->objectName()));
        f.quit();
        QCOMPARE(f.setting(qPrintable(name)), savedAgain);
    }

    void placementFitted_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("fitted");
        // The screens of main: 0,0 800 x 600 and 800,0 640 x 480.
        QTest::newRow("inside") << QRect(100, 100, 300, 200) << QRect(100, 100, 300, 200);
        QTest::newRow("past the right") << QRect(1300, 100, 300, 200) << QRect(1140, 100, 300, 200);
        QTest::newRow("above the top") << QRect(100, -50, 300, 200) << QRect(100, 0, 300, 200);
        QTest::newRow("most on the right") << QRect(700, 50, 300, 200) << QRect(800, 50, 300, 200);
        QTest::newRow("most on the left") << QRect(600, 50, 300, 200) << QRect(500, 50, 300, 200);
        QTest::newRow("too large") << QRect(900, 100, 1000, 700) << QRect(800, 0, 640, 480);
        QTest::newRow("on no screen") << QRect(3000, 3000, 300, 200) << QRect(250, 200, 300, 200);
    }

    void placementFitted()
    {
        QFETCH(QRect, frame);
        QTEST(WindowLayout::placementFitted(frame), "fitted");
    }

    void storedPlacementApplied()
    {
        // (0, 0) is a stored place like any other, and the size is the outer frame's.
        MainWindowFixture f;
        f.setSettings("WindowLeft=0 WindowTop=0 WindowWidth=6000 WindowHeight=4500");
        MainWindow& window = f.open();
        QVERIFY(window.testAttribute(Qt::WA_Moved));
        window.showFromTray();
        QTRY_COMPARE(window.frameGeometry(), QRect(0, 0, 400, 300));
        f.quit();
        QCOMPARE(f.setting("WindowWidth"), "6000");
        // Nothing stored: the window manager places it.
        QVERIFY(!MainWindowFixture().open().testAttribute(Qt::WA_Moved));
    }
};

int main(int argc, char** argv)
{
    // Two screens side by side, the right one smaller.
    QTemporaryDir dir;
    QFile config(dir.filePath("screens.json"));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write(R"({"screens": [{"name": "left", "width": 800, "height": 600},
            {"name": "right", "x": 800, "width": 640, "height": 480}]})") < 0)
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    TestWindowLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_windowlayout.moc"
