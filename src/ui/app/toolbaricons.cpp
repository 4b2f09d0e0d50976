#include "ui/app/toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int side = 24;

const QColor ink(0x3b, 0x3b, 0x3b);
const QColor paper(0xfb, 0xfb, 0xf8);
const QColor candle(0xc6, 0x28, 0x28);
const QColor flame(0xf5, 0xa6, 0x23);

void page(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 5, r.top());
    path.lineTo(r.right(), r.top() + 5);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(ink, 1));
    p.setBrush(paper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 5, r.top()), QPointF(r.right() - 5, r.top() + 5));
    p.drawLine(QPointF(r.right() - 5, r.top() + 5), QPointF(r.right(), r.top() + 5));
}

void plus(QPainter& p, QPointF c, QColor colour)
{
    p.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
    p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
}

void draw(QPainter& p, const QString& id)
{
    if (id == QLatin1String("newbirthday")) {
        page(p, QRectF(4.5, 2.5, 14, 19));
        plus(p, QPointF(17, 17), QColor(0x2e, 0x7d, 0x32));
    } else if (id == QLatin1String("editbirthday")) {
        page(p, QRectF(3.5, 2.5, 14, 19));
        p.setPen(QPen(ink, 1));
        for (int y = 9; y <= 17; y += 4)
            p.drawLine(QPointF(6, y + 0.5), QPointF(13, y + 0.5));
        p.setPen(QPen(QColor(0x1e, 0x5a, 0xa8), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 19), QPointF(20, 8));
    } else if (id == QLatin1String("duplicatebirthday")) {
        page(p, QRectF(2.5, 2.5, 12, 15));
        page(p, QRectF(8.5, 7.5, 12, 15));
    } else if (id == QLatin1String("deletebirthday")) {
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(0xe0, 0xe0, 0xdc));
        p.drawRect(QRectF(6.5, 7.5, 11, 14));
        p.drawRect(QRectF(4.5, 4.5, 15, 3));
        p.drawRect(QRectF(9.5, 2.5, 5, 2));
        p.setPen(QPen(candle, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(9, 11), QPointF(15, 18));
        p.drawLine(QPointF(15, 11), QPointF(9, 18));
    } else if (id == QLatin1String("special")) {
        p.setPen(QPen(ink, 1));
        p.setBrush(paper);
        p.drawRect(QRectF(3.5, 4.5, 17, 16));
        p.setBrush(candle);
        p.drawRect(QRectF(3.5, 4.5, 17, 4));
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 2.5), QPointF(8, 6));
        p.drawLine(QPointF(16, 2.5), QPointF(16, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(flame);
        QPainterPath star;
        const QPointF c(12, 14.5);
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 2.0 : 4.5;
            const double a = -M_PI / 2 + i * M_PI / 5;
            const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.drawPath(star);
    } else if (id == QLatin1String("preferences")) {
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(0x8a, 0x8f, 0x96));
        QPainterPath gear;
        const QPointF c(12, 12);
        for (int i = 0; i < 32; ++i) {
            const double r = (i / 2) % 2 ? 7.0 : 9.5;
            const double a = i * M_PI / 16 - M_PI / 32;
            const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
            i ? gear.lineTo(pt) : gear.moveTo(pt);
        }
        gear.closeSubpath();
        gear.addEllipse(c, 3.5, 3.5);
        p.drawPath(gear);
    } else if (id == QLatin1String("website")) {
        const QPointF c(12, 12);
        p.setPen(QPen(QColor(0x1e, 0x5a, 0xa8), 1.2));
        p.setBrush(QColor(0xd6, 0xe6, 0xf7));
        p.drawEllipse(c, 9, 9);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, 4, 9);
        p.drawLine(QPointF(3, 12), QPointF(21, 12));
        p.drawLine(QPointF(4.5, 7.5), QPointF(19.5, 7.5));
        p.drawLine(QPointF(4.5, 16.5), QPointF(19.5, 16.5));
    } else if (id == QLatin1String("quit")) {
        p.setPen(QPen(ink, 1));
        p.setBrush(QColor(0x9a, 0x6b, 0x3f));
        p.drawRect(QRectF(4.5, 2.5, 10, 19));
        p.setPen(QPen(candle, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(11, 12), QPointF(21, 12));
        p.drawLine(QPointF(17, 8), QPointF(21, 12));
        p.drawLine(QPointF(17, 16), QPointF(21, 12));
    }
}

} // namespace

QIcon toolbarFallbackIcon(const QString& identifier)
{
    static const QStringList known{"newbirthday",    "editbirthday", "duplicatebirthday",
                                   "deletebirthday", "special",      "preferences",
                                   "website",        "quit"};
    if (!known.contains(identifier))
        return QIcon();
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(side * scale, side * scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        draw(p, identifier);
        p.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}
