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
    QRegion shown(window.rect());
    const QImage keyed = sampled.createMaskFromColor(key | 0xff000000u, Qt::MaskInColor);
    shown -= QRegion(QBitmap::fromImage(keyed));
    window.setMask(shown);
}

} // namespace brisquel
