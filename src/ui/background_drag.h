#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QMouseEvent;
class QWidget;

namespace brisquel {

// Moves a window by its bare background: a press of the left button and a move start the
// desktop's interactive move, or, where the desktop offers none, the window follows the
// pointer itself until the button is released. It watches the window's own mouse events,
// so the window's controls must not pass theirs on (Qt::WA_NoMousePropagation).
// `settle` runs on every plain move over the background and when a drag ends: the rest of
// the window's background sequence.
class BackgroundDrag : public QObject
{
public:
    BackgroundDrag(QWidget& window, std::function<void()> settle);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    void release(const QMouseEvent& event);
    void begin(const QMouseEvent& event);

    QWidget& m_window;
    std::function<void()> m_settle;
    bool m_manual = false;
    bool m_system = false;
    QPoint m_offset;
};

} // namespace brisquel
