#pragma once

class QWidget;

namespace brisquel {

// Moves the window, frame included, to the middle of its screen.
void centreOnScreen(QWidget& window);

} // namespace brisquel
