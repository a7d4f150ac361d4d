#pragma once

#include <QPoint>
#include <QRect>

class QWidget;

namespace brisquel {

// Where a window frame of `frame` size goes to stand in the middle of `screen`. Its
// top-left corner never lies above or left of the `available` area (the screen less its
// panels), so the caption bar stays within reach even of a window larger than the screen.
QPoint centredTopLeft(const QRect& screen, const QRect& available, const QSize& frame);

// Moves the window, frame included, to the middle of its screen.
void centreOnScreen(QWidget& window);

} // namespace brisquel
