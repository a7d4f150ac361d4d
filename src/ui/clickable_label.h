#pragma once

#include <QLabel>

namespace brisquel {

// A label that reports a click: the left button pressed and released over it.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // What a click does, for the keyboard and assistive technology: nothing while disabled.
    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_leftDown = false;
};

} // namespace brisquel
