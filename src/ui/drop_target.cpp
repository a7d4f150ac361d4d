#include "ui/drop_target.h"

#include <QDragEnterEvent>
#include <QPainter>
#include <QPainterPath>

namespace brisquel {

void acceptAsCopy(QDropEvent& event)
{
    event.setDropAction(Qt::CopyAction);
    event.accept();
}

DropTarget::DropTarget(const QString& name, QWidget* parent)
    : ClickableLabel(parent)
{
    setObjectName(name);
    setAcceptDrops(true);
}

void DropTarget::setHint(const QString& title, const QString& detail)
{
    m_hintTitle = title;
    m_hintDetail = detail;
    update();
}

void DropTarget::dragEnterEvent(QDragEnterEvent* event)
{
    acceptAsCopy(*event);
}

void DropTarget::dragMoveEvent(QDragMoveEvent* event)
{
    acceptAsCopy(*event);
}

void DropTarget::dropEvent(QDropEvent* event)
{
    acceptAsCopy(*event);
    emit dropped(event->mimeData());
}

void DropTarget::paintEvent(QPaintEvent* event)
{
    ClickableLabel::paintEvent(event);
    if (m_hintTitle.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF frame = QRectF(rect()).adjusted(10.5, 10.5, -10.5, -10.5);
    QPen dashes(QColor(0x9f, 0xb6, 0xd8), 1.6, Qt::DashLine);
    dashes.setDashPattern({5, 4});
    painter.setPen(dashes);
    painter.setBrush(QColor(0xf8, 0xfa, 0xfe));
    painter.drawRoundedRect(frame, 10, 10);

    // A tray with an arrow falling into it, above the two lines of text.
    const QPointF centre(frame.center().x(), frame.center().y() - 34);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe3, 0xec, 0xfa));
    painter.drawEllipse(centre, 32, 32);
    QPen ink(QColor(0x3f, 0x67, 0xa6), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(ink);
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(centre + QPointF(0, -16), centre + QPointF(0, 6));
    QPainterPath head;
    head.moveTo(centre + QPointF(-8, -2));
    head.lineTo(centre + QPointF(0, 6));
    head.lineTo(centre + QPointF(8, -2));
    painter.drawPath(head);
    QPainterPath tray;
    tray.moveTo(centre + QPointF(-15, 4));
    tray.lineTo(centre + QPointF(-15, 14));
    tray.lineTo(centre + QPointF(15, 14));
    tray.lineTo(centre + QPointF(15, 4));
    painter.drawPath(tray);

    QFont titleFont = font();
    titleFont.setPointSizeF(11);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(QColor(0x2c, 0x3e, 0x57));
    const QRectF titleBox(frame.left(), centre.y() + 42, frame.width(), 22);
    painter.drawText(titleBox, Qt::AlignCenter, m_hintTitle);

    QFont detailFont = font();
    detailFont.setPointSizeF(8.25);
    painter.setFont(detailFont);
    painter.setPen(QColor(0x7b, 0x8a, 0x9e));
    painter.drawText(titleBox.translated(0, 22), Qt::AlignCenter, m_hintDetail);
}

} // namespace brisquel
