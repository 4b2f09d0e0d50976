#include "help/helppanel.h"
#include "listwindow/birthdaylistview.h"
#include "mainwindowfixture.h"

#include "app/windowlayout.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

namespace {

void quit(MainWindowFixture& f)
{
    f.setSetting("QuitConfirm", QStringLiteral("0"));
    f.window->exitCommand();
    QCOMPARE(f.unloadedCount, 1);
    f.unloadedCount = 0;
}

} // namespace

class TestWindowLayout : public QObject
{
    Q_OBJECT
private slots:
    void firstCloseWritesAllValues();
    void restartRestores();
    void maximisedKeepsPlacement();
    void badValuesFallBack_data();
    void badValuesFallBack();
    void onOffValues_data();
    void onOffValues();
    void viewNameCaseSensitive();
    void widthsHalvesToEven_data();
    void widthsHalvesToEven();
    void columnsReordered();
    void placementFitted_data();
    void placementFitted();
    void storedPlacementApplied();
};

void TestWindowLayout::firstCloseWritesAllValues()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    // First start: every default.
    const MainActions& a = window.actions();
    QVERIFY(a.mnuViewToolbarsStandard->isChecked() && !window.toolbar()->isHidden());
    QVERIFY(a.mnuViewToolbarsStatus->isChecked() && !window.objStatusBar()->isHidden());
    QVERIFY(a.mnuViewLargeIcons->isChecked());
    QCOMPARE(window.listView()->viewMode(), ListViewMode::LargeIcons);
    QVERIFY(a.mnuViewArrangeIconsNextDate->isChecked() && !a.mnuViewArrangeIconsName->isChecked());
    QVERIFY(!a.mnuHelpInteractive->isChecked() && window.helpPanel()->isHidden());
    QCOMPARE(window.windowState(), Qt::WindowNoState);

    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The inside below the menu bar has the first start's size; the frame lies around it.
    QCOMPARE(window.size() - QSize(0, window.menuBar()->height()), QSize(482, 356));
    const QRect frame = window.frameGeometry();
    QVERIFY(frame.size() != window.size());
    quit(f);

    const QStringList expected{"Column1Width=3000",
                               "Column1Pos=1",
                               "Column2Width=1440",
                               "Column2Pos=2",
                               "Column3Width=1200",
                               "Column4Pos=4",
                               "Column5Width=600",
                               "StatusBar=True",
                               "ToolBar=True",
                               "IconView=LargeIcons",
                               "ArrangeIcons=NextDate",
                               "WindowState=0",
                               QStringLiteral("WindowLeft=%1").arg(frame.x() * 15),
                               QStringLiteral("WindowTop=%1").arg(frame.y() * 15),
                               QStringLiteral("WindowWidth=%1").arg(frame.width() * 15),
                               QStringLiteral("WindowHeight=%1").arg(frame.height() * 15),
                               "InteractiveHelp=False"};
    for (const QString& pair : expected) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        QCOMPARE(f.setting(name.toLatin1().constData()), pair.section(QLatin1Char('='), 1));
    }
}

void TestWindowLayout::restartRestores()
{
    MainWindowFixture f;
    MainWindow& first = f.open();
    first.actions().mnuViewList->trigger();
    first.actions().mnuViewArrangeIconsDate->trigger();
    first.actions().mnuHelpInteractive->trigger();
    first.actions().mnuViewToolbarsStandard->trigger();
    first.listView()->header()->resizeSection(0, 150);
    first.resize(600, 420);
    first.move(40, 30);
    quit(f);
    QCOMPARE(f.setting("WindowWidth"), QStringLiteral("9000"));
    QCOMPARE(f.setting("Column1Width"), QStringLiteral("2250"));

    MainWindow& again = f.open();
    const MainActions& a = again.actions();
    QVERIFY(a.mnuViewList->isChecked());
    QVERIFY(!a.mnuViewLargeIcons->isChecked() && !a.mnuViewDetails->isChecked());
    QCOMPARE(again.listView()->viewMode(), ListViewMode::List);
    QVERIFY(a.mnuViewArrangeIconsDate->isChecked());
    QCOMPARE(again.listView()->model()->sortColumn(), ListArrange::Date);
    QVERIFY(a.mnuHelpInteractive->isChecked() && !again.helpPanel()->isHidden());
    QVERIFY(!a.mnuViewToolbarsStandard->isChecked() && again.toolbar()->isHidden());
    QCOMPARE(again.listView()->header()->sectionSize(0), 150);
    QCOMPARE(again.size(), QSize(600, 420));
    QCOMPARE(again.pos(), QPoint(40, 30));
}

void TestWindowLayout::maximisedKeepsPlacement()
{
    MainWindowFixture f;
    f.setSetting("WindowLeft", QStringLiteral("1500"));
    f.setSetting("WindowTop", QStringLiteral("750"));
    f.setSetting("WindowWidth", QStringLiteral("6000"));
    f.setSetting("WindowHeight", QStringLiteral("4500"));
    MainWindow& window = f.open();
    QCOMPARE(window.geometry().size(), QSize(400, 300));
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.isMaximized());
    quit(f);
    QCOMPARE(f.setting("WindowState"), QStringLiteral("2"));
    QCOMPARE(f.setting("WindowLeft"), QStringLiteral("1500"));
    QCOMPARE(f.setting("WindowTop"), QStringLiteral("750"));
    QCOMPARE(f.setting("WindowWidth"), QStringLiteral("6000"));
    QCOMPARE(f.setting("WindowHeight"), QStringLiteral("4500"));

    // The next start opens maximised.
    MainWindow& again = f.open();
    QVERIFY(again.windowState().testFlag(Qt::WindowMaximized));
    again.showFromTray();
    QTRY_VERIFY(again.isMaximized());
}

void TestWindowLayout::badValuesFallBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("savedAgain");

    QTest::newRow("width not a number") << "Column1Width"
                                        << "wide"
                                        << "3000";
    QTest::newRow("width beyond 16 bits") << "Column2Width"
                                          << "40000"
                                          << "1440";
    QTest::newRow("width negative") << "Column2Width"
                                    << "-15"
                                    << "1440";
    QTest::newRow("width with blanks") << "Column1Width"
                                       << " 1500 "
                                       << "1500";
    QTest::newRow("position zero") << "Column1Pos"
                                   << "0"
                                   << "1";
    QTest::newRow("position past the columns") << "Column2Pos"
                                               << "6"
                                               << "2";
    QTest::newRow("position not a number") << "Column2Pos"
                                           << "left"
                                           << "2";
    QTest::newRow("state 3") << "WindowState"
                             << "3"
                             << "0";
    QTest::newRow("state -1") << "WindowState"
                              << "-1"
                              << "0";
    QTest::newRow("state text") << "WindowState"
                                << "Maximised"
                                << "0";
    QTest::newRow("state beyond 16 bits") << "WindowState"
                                          << "65538"
                                          << "0";
    QTest::newRow("window width not a number") << "WindowWidth"
                                               << "7230x"
                                               << "7230";
    QTest::newRow("window width beyond 16 bits") << "WindowWidth"
                                                 << "99999"
                                                 << "7230";
    QTest::newRow("window width zero") << "WindowWidth"
                                       << "0"
                                       << "7230";
    QTest::newRow("window width rounds") << "WindowWidth"
                                         << "7499.5"
                                         << "7500";
}

void TestWindowLayout::badValuesFallBack()
{
    QFETCH(QString, name);
    QFETCH(QString, stored);
    QFETCH(QString, savedAgain);
    MainWindowFixture f;
    f.setSetting(name.toLatin1().constData(), stored);
    f.open();
    quit(f);
    QCOMPARE(f.setting(name.toLatin1().constData()), savedAgain);
}

void TestWindowLayout::onOffValues_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("shown");
    QTest::newRow("True") << "True" << true;
    QTest::newRow("FALSE") << "FALSE" << false;
    QTest::newRow("false") << "false" << false;
    QTest::newRow("tRuE") << "tRuE" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("1") << "1" << true;
    QTest::newRow("-2") << "-2" << true;
    QTest::newRow("0.0") << "0.0" << false;
    // Neither word nor number: the default.
    QTest::newRow("yes") << "yes" << true;
    QTest::newRow("off") << "off" << true;
}

void TestWindowLayout::onOffValues()
{
    QFETCH(QString, stored);
    QFETCH(bool, shown);
    MainWindowFixture f;
    f.setSetting("StatusBar", stored);
    f.setSetting("ToolBar", stored);
    f.setSetting("InteractiveHelp", stored);
    MainWindow& window = f.open();
    QCOMPARE(window.actions().mnuViewToolbarsStatus->isChecked(), shown);
    QCOMPARE(!window.objStatusBar()->isHidden(), shown);
    QCOMPARE(window.actions().mnuViewToolbarsStandard->isChecked(), shown);
    QCOMPARE(!window.toolbar()->isHidden(), shown);
    // The help panel's default is off.
    const bool help =
        stored == QLatin1String("yes") || stored == QLatin1String("off") ? false : shown;
    QCOMPARE(window.actions().mnuHelpInteractive->isChecked(), help);
    QCOMPARE(!window.helpPanel()->isHidden(), help);
    quit(f);
    QCOMPARE(f.setting("StatusBar"), TextConv::boolToText(shown));
}

void TestWindowLayout::viewNameCaseSensitive()
{
    MainWindowFixture f;
    f.setSetting("IconView", QStringLiteral("details"));
    f.setSetting("ArrangeIcons", QStringLiteral("DATE"));
    MainWindow& window = f.open();
    for (QAction* item : window.actions().viewModeActions())
        QVERIFY2(!item->isChecked(), qPrintable(item->objectName()));
    QCOMPARE(window.listView()->viewMode(), ListViewMode::LargeIcons);
    QVERIFY(!window.actions().mnuViewArrangeIconsName->isChecked());
    QVERIFY(!window.actions().mnuViewArrangeIconsDate->isChecked());
    QCOMPARE(window.listView()->model()->sortColumn(), ListArrange::Name);
    quit(f);
    QCOMPARE(f.setting("IconView"), QStringLiteral("details"));
    QCOMPARE(f.setting("ArrangeIcons"), QStringLiteral("DATE"));
}

void TestWindowLayout::widthsHalvesToEven_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("savedAgain");
    QTest::newRow("1234.5") << "1234.5"
                            << "1234";
    QTest::newRow("1235.5") << "1235.5"
                            << "1236";
    QTest::newRow("1235.4") << "1235.4"
                            << "1235";
    QTest::newRow("-0.5 is 0") << "-0.5"
                               << "0";
    QTest::newRow("32767.4") << "32767.4"
                             << "32767";
    QTest::newRow("32767.5 is too wide") << "32767.5"
                                         << "3000";
}

void TestWindowLayout::widthsHalvesToEven()
{
    QFETCH(QString, stored);
    QFETCH(QString, savedAgain);
    MainWindowFixture f;
    f.setSetting("Column1Width", stored);
    MainWindow& window = f.open();
    QCOMPARE(window.listView()->header()->sectionSize(0), qRound(savedAgain.toInt() / 15.0));
    quit(f);
    QCOMPARE(f.setting("Column1Width"), savedAgain);
}

void TestWindowLayout::columnsReordered()
{
    MainWindowFixture f;
    MainWindow& window = f.open();
    QHeaderView* header = window.listView()->header();
    header->moveSection(1, 0); // Date, Name
    quit(f);
    QCOMPARE(f.setting("Column1Pos"), QStringLiteral("2"));
    QCOMPARE(f.setting("Column2Pos"), QStringLiteral("1"));

    MainWindow& again = f.open();
    QCOMPARE(again.listView()->header()->logicalIndex(0), 1);
    QCOMPARE(again.listView()->header()->logicalIndex(1), 0);
}

void TestWindowLayout::placementFitted_data()
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

void TestWindowLayout::placementFitted()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, fitted);
    QCOMPARE(WindowLayout::placementFitted(frame), fitted);
}

void TestWindowLayout::storedPlacementApplied()
{
    // (0, 0) is a stored place like any other, and the size is the outer frame's.
    MainWindowFixture f;
    for (const char* name : {"WindowLeft", "WindowTop"})
        f.setSetting(name, QStringLiteral("0"));
    f.setSetting("WindowWidth", QStringLiteral("6000"));
    f.setSetting("WindowHeight", QStringLiteral("4500"));
    MainWindow& window = f.open();
    QVERIFY(window.testAttribute(Qt::WA_Moved));
    window.showFromTray();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.frameGeometry(), QRect(0, 0, 400, 300));
    quit(f);
    QCOMPARE(f.setting("WindowWidth"), QStringLiteral("6000"));

    // Nothing stored: the window manager places it.
    MainWindowFixture g;
    QVERIFY(!g.open().testAttribute(Qt::WA_Moved));
}

int main(int argc, char** argv)
{
    // Two screens side by side, the right one smaller.
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("screens.json")));
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
