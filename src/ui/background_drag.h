#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QMouseEvent;
class QWidget;
class QWindow;

namespace brisquel {

// Moves a window by its bare background: a press of the left button and a move start the
// desktop's interactive move, or, where the desktop offers none, the window follows the
// pointer itself until the button is released. It watches the window's own mouse events,
// so the window's controls must not pass theirs on (Qt::WA_NoMousePropagation).
// `settle` runs on every plain move over the background and when a drag ends: the rest of
// the window's background sequence.
class BackgroundDrag : public QObject
{
    Q_OBJECT

public:
    // Asks the desktop to move the window with the pointer; false when it cannot.
    using SystemMove = std::function<bool(QWindow& window)>;

    BackgroundDrag(QWidget& window, std::function<void()> settle);

    // A test counts the requests here; the desktop's own move is the default.
    void setSystemMove(SystemMove systemMove) { m_systemMove = std::move(systemMove); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    void release(const QMouseEvent& event);
    void begin(const QMouseEvent& event);

    QWidget& m_window;
    std::function<void()> m_settle;
    SystemMove m_systemMove;
    // A left press on the background that has not yet started a move. One press starts at
    // most one move: a window manager takes a second request, made while its own move runs,
    // as a new move that outlives the button.
    bool m_armed = false;
    bool m_manual = false;
    bool m_system = false;
    QPoint m_offset;
};

} // namespace brisquel
