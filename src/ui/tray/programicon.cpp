#include "ui/tray/programicon.h"

#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>

#include <algorithm>
#include <array>

namespace {

const char* const svgResource = ":/icons/candlewatcher.svg";
// The sizes drawn at build time (src/CMakeLists.txt): the trays' usual ones and the four an
// X11 window icon asks for.
constexpr std::array predrawnSides = {CANDLEWATCHER_PREDRAWN_SIDES};

class PredrawnIconEngine : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        QSize size = rect.size();
        if (painter->device())
            size *= painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap(size, mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        // The SVG is square: it fits the smaller side, as its own engine fits it.
        if (predrawn(size, mode, state))
            return QSize(side(size), side(size));
        return svg().actualSize(size, mode, state);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (!predrawn(size, mode, state))
            return svg().pixmap(size, mode, state);
        const QString path = QStringLiteral(":/icons/predrawn/%1.png").arg(side(size));
        QPixmap cached;
        if (QPixmapCache::find(path, &cached))
            return cached;
        // The format named and its detection off: a reader that guesses asks every image
        // format plug-in first, which loads them all.
        QImageReader reader(path, "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (image.isNull())
            return svg().pixmap(size, mode, state);
        cached = QPixmap::fromImage(image);
        QPixmapCache::insert(path, cached);
        return cached;
    }

    QString key() const override { return QStringLiteral("CandlewatcherPredrawn"); }
    QIconEngine* clone() const override { return new PredrawnIconEngine; }
    bool isNull() override { return false; }

private:
    static int side(const QSize& size) { return std::min(size.width(), size.height()); }

    static bool predrawn(const QSize& size, QIcon::Mode mode, QIcon::State state)
    {
        return mode == QIcon::Normal && state == QIcon::Off &&
               std::find(predrawnSides.begin(), predrawnSides.end(), side(size)) !=
                   predrawnSides.end();
    }

    // Loaded on the first size that was not drawn in advance.
    QIcon& svg()
    {
        if (m_svg.isNull())
            m_svg = QIcon(QString::fromLatin1(svgResource));
        return m_svg;
    }

    QIcon m_svg;
};

} // namespace

QIcon programIcon()
{
    return QIcon(new PredrawnIconEngine);
}
