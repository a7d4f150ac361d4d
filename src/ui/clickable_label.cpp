#include "ui/clickable_label.h"

#include <QMouseEvent>

namespace brisquel {

void ClickableLabel::click()
{
    if (isEnabled())
        emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace brisquel
