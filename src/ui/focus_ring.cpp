#include "ui/focus_ring.h"

#include <QEvent>
#include <QPainter>

namespace brisquel {
namespace {

constexpr int Width = 2;
const QColor Colour(0x25, 0x63, 0xEB);

} // namespace

FocusRing::FocusRing(QWidget& target, const QRect& frame, qreal radius, QWidget* parent)
    : QWidget(parent)
    , m_target(target)
    , m_radius(radius)
{
    setObjectName(target.objectName() + QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(frame.adjusted(-Width, -Width, Width, Width));
    stackUnder(&target);
    setVisible(target.hasFocus());
    target.installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_target && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        setVisible(m_target.hasFocus());
    return false;
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Colour, Width));
    p.setBrush(Qt::NoBrush);
    const qreal inset = Width / 2.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), m_radius + Width / 2.0,
                      m_radius + Width / 2.0);
}

} // namespace brisquel
