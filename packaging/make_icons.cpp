// Writes the desktop icons of the hicolor theme from the painted product mark:
//   make_icons <output folder> <icon name>
// gives <size>x<size>/<icon name>.png for each size and scalable/<icon name>.svg.
#include "ui/skin_artwork.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <array>
#include <cstdio>

namespace brisquel {
namespace {

constexpr std::array<int, 3> PixelSizes{48, 128, 256};
constexpr int ScalableSize = 256;

// A sixteenth of the side left clear on every edge, as the theme's icons leave it, so the
// mark does not look larger than its neighbours in a menu.
QRectF markBox(int size)
{
    const qreal margin = size / 16.0;
    return QRectF(margin, margin, size - 2 * margin, size - 2 * margin);
}

void paintIcon(QPaintDevice& device, int size)
{
    QPainter p(&device);
    p.setRenderHint(QPainter::Antialiasing);
    paintLogoMark(p, markBox(size));
}

bool writePng(const QString& folder, const QString& name, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    paintIcon(image, size);
    const QString dir = QStringLiteral("%1/%2x%2").arg(folder).arg(size);
    return QDir().mkpath(dir) && image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

bool writeSvg(const QString& folder, const QString& name)
{
    const QString dir = folder + QStringLiteral("/scalable");
    if (!QDir().mkpath(dir))
        return false;
    const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".svg");
    {
        QSvgGenerator svg;
        svg.setFileName(file);
        svg.setSize(QSize(ScalableSize, ScalableSize));
        svg.setViewBox(QRect(0, 0, ScalableSize, ScalableSize));
        svg.setTitle(QStringLiteral("Brisquel"));
        paintIcon(svg, ScalableSize);
    }
    // QSvgGenerator reports no write error of its own; the file is complete once it is gone.
    return QFileInfo(file).size() > 0;
}

} // namespace
} // namespace brisquel

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons <output folder> <icon name>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : brisquel::PixelSizes) {
        if (!brisquel::writePng(folder, name, size)) {
            std::fprintf(stderr, "make_icons: cannot write the %d pixel icon into %s\n", size, argv[1]);
            return 1;
        }
    }
    if (!brisquel::writeSvg(folder, name)) {
        std::fprintf(stderr, "make_icons: cannot write the scalable icon into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
