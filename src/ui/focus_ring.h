#pragma once

#include <QWidget>

namespace brisquel {

// A frame that shows around a control while it has the keyboard focus, drawn over the
// skin's own frame of that control, so the control itself keeps its rectangle. It takes no
// pointer input.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    // `frame` is the painted frame in the parent's coordinates, with its corner `radius`.
    FocusRing(QWidget& target, const QRect& frame, qreal radius, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget& m_target;
    qreal m_radius;
};

} // namespace brisquel
