#pragma once

#include <QPoint>

class QMouseEvent;
class QWidget;

namespace brisquel {

// Moving a window by its bare background: a press of the left button and a move start the
// desktop's interactive move, or, where the desktop offers none, the window follows the
// pointer itself until the button is released. The window forwards its background's mouse
// events here.
class BackgroundDrag
{
public:
    explicit BackgroundDrag(QWidget& window);

    void press(const QMouseEvent& event);
    // True when the move belongs to a drag; false for a plain move over the background,
    // which also ends a drag the desktop ran.
    bool move(const QMouseEvent& event);
    // True when this release ends a drag.
    bool release(const QMouseEvent& event);

private:
    void begin(const QMouseEvent& event);

    QWidget& m_window;
    bool m_manual = false;
    bool m_system = false;
    QPoint m_offset;
};

} // namespace brisquel
