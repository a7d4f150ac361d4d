#include "ui/centre_on_screen.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace brisquel {

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QRect frame = window.frameGeometry();
    // Halves go to the even neighbour, as the platform's rounding does.
    const int left = static_cast<int>(std::nearbyint((area.width() - frame.width()) / 2.0));
    const int top = static_cast<int>(std::nearbyint((area.height() - frame.height()) / 2.0));
    window.move(area.left() + left, area.top() + top);
}

} // namespace brisquel
