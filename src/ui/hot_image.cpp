#include "ui/hot_image.h"

#include <QEvent>
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

void HotImage::setDisabledPicture(const QPixmap& picture)
{
    m_disabled = picture;
    showPicture();
}

void HotImage::light()
{
    if (m_lit)
        return;
    m_lit = true;
    showPicture();
}

void HotImage::clearPicture()
{
    if (!m_lit)
        return;
    m_lit = false;
    showPicture();
}

void HotImage::setHighlightPicture(const QPixmap& picture)
{
    m_highlight = picture;
    showPicture();
}

void HotImage::setRestingPicture(const QPixmap& picture)
{
    m_resting = picture;
    showPicture();
}

// A disabled image never lights up, so its dimmed picture wins over a light left on; a
// null resting picture lets the skin beneath show.
void HotImage::showPicture()
{
    if (!isEnabled() && !m_disabled.isNull())
        setPixmap(m_disabled);
    else if (m_lit)
        setPixmap(m_highlight);
    else if (!m_resting.isNull())
        setPixmap(m_resting);
    else
        clear();
}

void HotImage::changeEvent(QEvent* event)
{
    ClickableLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        showPicture();
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
