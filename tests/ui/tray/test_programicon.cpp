#include "ui/tray/programicon.h"

#include <QFile>
#include <QImage>
#include <QTest>

class TestProgramIcon : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // First, while nothing has asked for another size: the tray's, the window icon's and the
    // notification's sizes come without Qt Svg.
    void startSizesWithoutSvg()
    {
        for (const int side : {16, 22, 32, 64, 128})
            QVERIFY(!programIcon().pixmap(side).isNull());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("libQt6Svg"));
    }

    void sameAsTheSvg_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("mode");
        QTest::newRow("tray") << QSize(22, 22) << int(QIcon::Normal);
        QTest::newRow("notification") << QSize(32, 32) << int(QIcon::Normal);
        QTest::newRow("window icon") << QSize(128, 128) << int(QIcon::Normal);
        QTest::newRow("not square") << QSize(40, 24) << int(QIcon::Normal);
        QTest::newRow("not drawn in advance") << QSize(20, 20) << int(QIcon::Normal);
        QTest::newRow("disabled") << QSize(16, 16) << int(QIcon::Disabled);
    }

    void sameAsTheSvg()
    {
        QFETCH(QSize, size);
        QFETCH(int, mode);
        const auto image = [&](const QIcon& icon) {
            return icon.pixmap(size, QIcon::Mode(mode))
                .toImage()
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage drawn = image(programIcon());
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn, image(QIcon(QStringLiteral(":/icons/candlewatcher.svg"))));
    }
};

QTEST_MAIN(TestProgramIcon)
#include "test_programicon.moc"
