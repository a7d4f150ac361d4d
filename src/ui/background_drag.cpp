#include "ui/background_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace brisquel {

BackgroundDrag::BackgroundDrag(QWidget& window)
    : m_window(window)
{
}

void BackgroundDrag::press(const QMouseEvent& event)
{
    if (event.button() == Qt::LeftButton)
        m_offset = event.globalPosition().toPoint() - m_window.pos();
}

bool BackgroundDrag::move(const QMouseEvent& event)
{
    if (QWidget::mouseGrabber() == &m_window && !m_manual)
        m_window.releaseMouse();
    if (m_manual) {
        m_window.move(event.globalPosition().toPoint() - m_offset);
        return true;
    }
    if (event.buttons() & Qt::LeftButton) {
        begin(event);
        return true;
    }
    m_system = false;
    return false;
}

void BackgroundDrag::begin(const QMouseEvent& event)
{
    if (m_window.windowHandle() && m_window.windowHandle()->startSystemMove()) {
        m_system = true;
        return;
    }
    // Without a window manager that moves windows, follow the pointer ourselves, from
    // where the button went down.
    m_manual = true;
    m_window.grabMouse();
    m_window.move(event.globalPosition().toPoint() - m_offset);
}

bool BackgroundDrag::release(const QMouseEvent& event)
{
    if (event.button() != Qt::LeftButton || (!m_manual && !m_system))
        return false;
    if (m_manual)
        m_window.releaseMouse();
    m_manual = false;
    m_system = false;
    return true;
}

} // namespace brisquel
