#include "ui/hot_image.h"

#include <QMouseEvent>

namespace brisquel {

HotImage::HotImage(const QString& name, const QRect& rect, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(name);
    setGeometry(rect);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
}

void HotImage::light()
{
    if (m_lit)
        return;
    m_lit = true;
    setPixmap(m_highlight);
}

void HotImage::clearPicture()
{
    if (!m_lit)
        return;
    m_lit = false;
    clear();
}

void HotImage::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit moved();
}

void HotImage::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        m_leftDown = true;
    emit pressed();
}

void HotImage::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace brisquel
