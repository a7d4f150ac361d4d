#pragma once

#include <functional>

class QWidget;

namespace brisquel {

// 96 / the screen's logical dots per inch, across and down: 1 at 96 dpi, 0.8 at 120 dpi.
struct ScreenScale
{
    double kx = 1;
    double ky = 1;
};
ScreenScale screenScale(const QWidget& form);

// Keeps a window at its 96-dpi pixel layout. Qt already keeps geometry in logical pixels,
// which is that layout at every density, so rectangles stay as they are; point sizes grow
// with the dpi, so every control's font size (and that of any deeper widget with a font of
// its own) is multiplied by kx, keeping each text at its 96-dpi pixel size. `beforeControls`
// runs first, for a window that scales something of its own.
void ScaleFormToScreen(QWidget& form, ScreenScale scale, const std::function<void()>& beforeControls = {});

} // namespace brisquel
