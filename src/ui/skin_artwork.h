#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QRectF>

#include <array>

class QPainter;

namespace brisquel {

// The program's own artwork, drawn at start-up for the screen's pixel density.
struct SkinArtwork
{
    QPixmap skin;                          // 720 x 458, the window's background
    std::array<QPixmap, 7> buttonData;     // imgButtonData by index; index 5 is empty
    std::array<QPixmap, 7> buttonDisabled; // the same buttons dimmed, shown during a batch
    QPixmap convertData;                   // imgConvertData, 185 x 88
    QPixmap stopData;                      // imgConvert while a batch runs, 185 x 88
    QPixmap stopHotData;                   // the same under the pointer
    QPixmap barFill;                       // 1 x 15, stretched over the bar
    QPixmap logo;                          // the product mark, for the window icon
    QCursor hand;                          // 32 x 32, hot spot on the fingertip (6, 0)
};

// `ratio` is the device pixel ratio the pictures are drawn for; sizes stay logical.
SkinArtwork drawSkinArtwork(qreal ratio);

// The product mark filling `box`, at any size: the window icon and the desktop's icons are
// both painted by it, so they cannot drift apart.
void paintLogoMark(QPainter& p, const QRectF& box);

} // namespace brisquel
