// Build tool: draws an SVG at the given sizes into SIZE.png files, as Qt's SVG icon engine
// draws it, so the program can show those sizes without loading Qt Svg.
//
//   cw_predrawicons ICON.svg OUTPUT-FOLDER SIZE...
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg OUTPUT-FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int side = QString::fromLatin1(argv[i]).toInt();
        QSize size = renderer.defaultSize();
        size.scale(side, side, Qt::KeepAspectRatio);
        if (size.isEmpty()) {
            std::fprintf(stderr, "%s: bad size %s\n", argv[0], argv[i]);
            return 2;
        }
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString path = output.filePath(QStringLiteral("%1.png").arg(side));
        // A picture that does not come back as it was drawn would change the icon's look.
        QImageReader reader(path, "png");
        if (!image.save(path, "PNG") ||
            reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied) != image) {
            std::fprintf(stderr, "%s: cannot write %s unchanged\n", argv[0], qPrintable(path));
            return 1;
        }
    }
    return 0;
}
