#include "mainwindowtest.h"

class TestWindowLayout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The layout: a first start has every default; the exit writes them all, the place and
    // size of the window's outer frame in twips; the next start brings back what was changed.
    void layoutSavedAndRestored()
    {
        MainWindowFixture f;
        MainWindow& first = f.shown();
        QCOMPARE(first.windowState(), Qt::WindowNoState);
        // The inside below the menu bar has the first start's size; the frame lies around it.
        QCOMPARE(first.size() - QSize(0, first.menuBar()->height()), QSize(482, 356));
        const QRect frame = first.frameGeometry();
        QVERIFY(frame.size() != first.size());
        // "Age" and its sort arrow need a little more than the first width.
        const int ageWidth = first.listView()->header()->sectionSize(4);
        QVERIFY(ageWidth >= 40);
        f.quit();
        QCOMPARE(QString::fromLatin1(readFile(f.dir.filePath("settings.ini")))
                     .split('\n', Qt::SkipEmptyParts),
                 QString("[Settings] ArrangeIcons=NextDate Column1Pos=1 Column1Width=3000 "
                         "Column2Pos=2 Column2Width=1440 Column3Pos=3 Column3Width=1200 "
                         "Column4Pos=4 Column4Width=1200 Column5Pos=5 Column5Width=%5 "
                         "IconView=LargeIcons InteractiveHelp=False LastCheck=2024-03-01T12:00:00 "
                         "QuitConfirm=0 StatusBar=True ToolBar=True WindowHeight=%1 WindowLeft=%2 "
                         "WindowState=0 WindowTop=%3 WindowWidth=%4")
                     .arg(frame.height() * 15)
                     .arg(frame.x() * 15)
                     .arg(frame.y() * 15)
                     .arg(frame.width() * 15)
                     .arg(ageWidth * 15)
                     .split(' '));
        MainWindow& second = f.open();
        const MainActions& a = second.actions();
        for (QAction* item :
             {a.listModeAction, a.arrangeByDateAction, a.interactiveHelpAction, a.toolbarAction})
            item->trigger();
        second.listView()->header()->resizeSection(0, 150);
        second.listView()->header()->moveSection(1, 0); // Date, Name
        second.showFromTray();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        second.setGeometry(40, 30, 600, 420);
        QTRY_COMPARE(second.geometry().size(), QSize(600, 420));
        const QRect secondFrame = second.frameGeometry();
        f.quit();
        QCOMPARE(f.settingsOf("Column1Pos Column2Pos"), "Column1Pos=2 Column2Pos=1");
        MainWindow& again = f.open();
        again.buildControls();
        QVERIFY(
            menuText(again.menuBar()->actions())
                .contains(
                    "Standard &Toolbar Ctrl+T [ ]|&Status Bar Ctrl+S [x]}|-|Lar&ge "
                    "Icons [ ]|&Small Icons [ ]|&List [x]|&Details [ ]|-|&Arrange "
                    "Icons{By &Name [ ]|By &Date [x]|By Ne&xt Date [ ]|By &Age [ ]}|Preferences "
                    "F12}|&Help{Interactive Help F1 [x]"));
        QCOMPARE(again.listView()->viewMode(), ListViewMode::List);
        QCOMPARE(again.listView()->model()->sortColumn(), ListArrange::Date);
        QVERIFY(!again.helpPanel()->isHidden() && again.toolbar()->isHidden());
        QCOMPARE(again.listView()->header()->sectionSize(0), 150);
        QCOMPARE(again.listView()->header()->logicalIndex(0), 1);
        again.showFromTray();
        QTRY_COMPARE(again.frameGeometry(), secondFrame);
    }

    // A start and exit that never show the window build no list, and the stored layout stays
    // byte for byte: the columns the user set are not written over by a list never built.
    void layoutOfAWindowNeverShown()
    {
        MainWindowFixture f;
        f.shown().listView()->header()->resizeSection(1, 150);
        f.window->listView()->header()->moveSection(1, 0);
        f.quit();
        const QByteArray stored = f.settingsBytes();
        QVERIFY(stored.contains("Column2Width=2250"));
        f.open().exitProgram();
        QCOMPARE(f.unloadedCount, 2); // the second window has unloaded too
        QVERIFY(!f.window->findChild<BirthdayListView*>());
        QCOMPARE(f.settingsBytes(), stored);
    }

    void storedLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("savedAgain");
        // Stored twips are written back as they were; what does not convert or fit falls back
        // to the default. A view or arrangement of no exact name: none is checked, nor written.
        // A window never shown has no outer size to write.
        for (const char* row :
             {"Column1Width 1234.5 1234", "Column1Width wide 3000", "Column1Width -15 3000",
              "Column1Pos 0 1", "Column2Pos 6 2", "WindowState 3 0", "WindowWidth 0 0",
              "WindowWidth 9000 9000", "WindowHeight  ", "StatusBar off True",
              "InteractiveHelp 1 True", "InteractiveHelp yes False", "IconView details details",
              "ArrangeIcons DATE DATE"}) {
            const QStringList fields = QString(row).split(' ');
            QTest::newRow(row) << fields[0] << fields[1] << fields[2];
        }
    }

    void storedLayout()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(QString, savedAgain);
        MainWindowFixture f;
        f.setSetting(name, stored);
        MainWindow& window = f.open();
        window.buildControls();
        const MainActions& a = window.actions();
        // The check marks are the record; the controls follow them.
        QCOMPARE(window.statusBar()->isHidden(), !a.statusBarAction->isChecked());
        QCOMPARE(window.toolbar()->isHidden(), !a.toolbarAction->isChecked());
        QCOMPARE(window.helpPanel()->isHidden(), !a.interactiveHelpAction->isChecked());
        if (name.endsWith("Width") && savedAgain.toInt() > 0) // a width alone is kept too
            QCOMPARE(name == "Column1Width" ? window.listView()->header()->sectionSize(0)
                                            : window.width(),
                     qRound(savedAgain.toInt() / 15.0));
        for (QAction* item : name == "IconView"       ? a.viewModeActions()
                             : name == "ArrangeIcons" ? a.arrangeActions()
                                                      : QList<QAction*>())
            QVERIFY2(!item->isChecked(), qPrintable(item->objectName()));
        f.quit();
        QCOMPARE(f.setting(name), savedAgain);
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
        // (0, 0) is a stored place like any other, and the size is the outer frame's; maximised,
        // the window keeps it for later, and the next start opens maximised.
        MainWindowFixture f;
        const QString placement = "WindowLeft=0 WindowTop=0 WindowWidth=6000 WindowHeight=4500";
        f.setSettings(placement);
        QVERIFY(f.open().testAttribute(Qt::WA_Moved));
        f.window->showFromTray();
        QTRY_COMPARE(f.window->frameGeometry(), QRect(0, 0, 400, 300));
        f.window->showMaximized();
        QTRY_VERIFY(f.window->isMaximized());
        f.quit();
        QCOMPARE(f.settingsOf("WindowState WindowLeft WindowTop WindowWidth WindowHeight"),
                 "WindowState=2 " + placement);
        f.open().showFromTray();
        QTRY_VERIFY(f.window->isMaximized());
        // Nothing stored: the window manager places it.
        QVERIFY(!MainWindowFixture().open().testAttribute(Qt::WA_Moved));
        // Left minimised: the start's own showing opens it minimised, and so it stays.
        f.setSetting("WindowState", "1");
        f.open().showAsStored();
        QTRY_VERIFY(f.window->isMinimized() && f.window->isVisible());
        f.quit();
        QCOMPARE(f.setting("WindowState"), "1");
    }
};

CW_MAINWINDOW_TEST_MAIN(TestWindowLayout)

#include "test_windowlayout.moc"
