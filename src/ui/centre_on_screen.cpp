#include "ui/centre_on_screen.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace brisquel {
namespace {

// Halves go to the even neighbour, as the platform's rounding does.
int centred(int start, int room, int size)
{
    return start + static_cast<int>(std::nearbyint((room - size) / 2.0));
}

} // namespace

QPoint centredTopLeft(const QRect& screen, const QRect& available, const QSize& frame)
{
    return {std::max(centred(screen.left(), screen.width(), frame.width()), available.left()),
            std::max(centred(screen.top(), screen.height(), frame.height()), available.top())};
}

void centreOnScreen(QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QPoint frameTopLeft = centredTopLeft(screen->geometry(), screen->availableGeometry(),
                                               window.frameGeometry().size());
    window.move(frameTopLeft);
}

} // namespace brisquel
