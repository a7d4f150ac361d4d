#include "ui/hot_image.h"

#include <QMouseEvent>

namespace brisquel {

HotImage::HotImage(const QString& name, const QRect& rect, QWidget* parent)
    : ClickableLabel(parent)
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
    showResting();
}

void HotImage::setHighlightPicture(const QPixmap& picture)
{
    m_highlight = picture;
    if (m_lit)
        setPixmap(m_highlight);
}

void HotImage::setRestingPicture(const QPixmap& picture)
{
    m_resting = picture;
    if (m_lit)
        setPixmap(m_highlight);
    else
        showResting();
}

void HotImage::showResting()
{
    if (m_resting.isNull())
        clear();
    else
        setPixmap(m_resting);
}

void HotImage::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit moved();
}

void HotImage::mousePressEvent(QMouseEvent* event)
{
    ClickableLabel::mousePressEvent(event);
    emit pressed();
}

} // namespace brisquel
