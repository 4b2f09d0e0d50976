// The yardstick for the program's start and memory: a Qt program that does nothing but show
// an icon in the tray. bench/start-memory.sh starts it beside Candlewatcher.
#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    // A plain drawn icon: no image format plug-in is loaded for it.
    QPixmap pixmap(22, 22);
    pixmap.fill(QColor(0xd0, 0x80, 0x20));
    QSystemTrayIcon tray{QIcon(pixmap)};
    tray.setToolTip(QStringLiteral("bare tray"));
    tray.show();
    return app.exec();
}
