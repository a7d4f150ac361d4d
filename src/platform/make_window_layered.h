#pragma once

#include <QImage>
#include <QRgb>

class QWidget;

namespace brisquel {

// Gives `window` its colour key: where `picture` (drawn from the window's top-left corner,
// in logical pixels) holds exactly `key`, the window is left out, shows the desktop behind
// it and passes clicks through. A picture without the key leaves the window unmasked.
void MakeWindowLayered(QWidget& window, const QImage& picture, QRgb key);

} // namespace brisquel
