#include "platform/make_window_layered.h"

#include <QBitmap>
#include <QRegion>
#include <QWidget>

namespace brisquel {

void MakeWindowLayered(QWidget& window, const QImage& picture, QRgb key)
{
    // The mask works in logical pixels: sample a picture drawn for a high-density screen
    // back down to one value per logical pixel.
    const QSize logical = picture.deviceIndependentSize().toSize();
    QImage sampled = picture.size() == logical ? picture
                                               : picture.scaled(logical, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    sampled = sampled.convertToFormat(QImage::Format_RGB32);
    // The bitmap's set pixels are those of any other colour: they are what is shown.
    const QImage keyed = sampled.createMaskFromColor(key | 0xff000000u, Qt::MaskInColor);
    const QRegion shown = QRegion(window.rect()) & QRegion(QBitmap::fromImage(keyed));
    // Nothing to leave out: no mask, which every platform supports.
    if (shown == QRegion(window.rect()))
        window.clearMask();
    else
        window.setMask(shown);
}

} // namespace brisquel
