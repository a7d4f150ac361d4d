#include "ui/background_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace brisquel {

BackgroundDrag::BackgroundDrag(QWidget& window, std::function<void()> settle)
    : QObject(&window)
    , m_window(window)
    , m_settle(std::move(settle))
    , m_systemMove([](QWindow& handle) { return handle.startSystemMove(); })
{
    setObjectName(QStringLiteral("backgroundDrag"));
    window.setMouseTracking(true);
    window.installEventFilter(this);
}

bool BackgroundDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: press(static_cast<QMouseEvent&>(*event)); break;
        case QEvent::MouseMove: move(static_cast<QMouseEvent&>(*event)); break;
        case QEvent::MouseButtonRelease: release(static_cast<QMouseEvent&>(*event)); break;
        default: break;
        }
    }
    return false;
}

void BackgroundDrag::press(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return;
    m_armed = true;
    m_offset = event.globalPosition().toPoint() - m_window.pos();
}

void BackgroundDrag::move(const QMouseEvent& event)
{
    if (QWidget::mouseGrabber() == &m_window && !m_manual)
        m_window.releaseMouse();
    if (m_manual) {
        m_window.move(event.globalPosition().toPoint() - m_offset);
        return;
    }
    if (event.buttons() & Qt::LeftButton) {
        if (m_armed)
            begin(event);
        return;
    }
    m_armed = false;
    m_system = false;
    m_settle();
}

void BackgroundDrag::begin(const QMouseEvent& event)
{
    m_armed = false;
    if (m_window.windowHandle() && m_systemMove(*m_window.windowHandle())) {
        m_system = true;
        return;
    }
    // Without a window manager that moves windows, follow the pointer ourselves, from
    // where the button went down.
    m_manual = true;
    m_window.grabMouse();
    m_window.move(event.globalPosition().toPoint() - m_offset);
}

void BackgroundDrag::release(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton)
        return;
    m_armed = false;
    if (!m_manual && !m_system)
        return;
    if (m_manual)
        m_window.releaseMouse();
    m_manual = false;
    m_system = false;
    m_settle();
}

} // namespace brisquel
