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

// Keeps a window at its 96-dpi pixel layout: multiplies the window's size, then every
// control's rectangle and its font size, by the factors. `beforeControls` runs between the
// two, for a window that scales something of its own there.
void ScaleFormToScreen(QWidget& form, ScreenScale scale, const std::function<void()>& beforeControls = {});

} // namespace brisquel
