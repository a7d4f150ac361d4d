#pragma once

#include "ui/clickable_label.h"

#include <QPixmap>

namespace brisquel {

// A transparent clickable area over a button painted on the skin. It shows its highlight
// picture only while lit, and its dimmed picture, when it has one, while disabled; a
// disabled one gets no pointer events at all.
class HotImage : public ClickableLabel
{
    Q_OBJECT

public:
    HotImage(const QString& name, const QRect& rect, QWidget* parent);

    void setHighlightPicture(const QPixmap& picture);
    void setDisabledPicture(const QPixmap& picture);
    // Shown while not lit, in place of the skin beneath; a null picture lets the skin show.
    void setRestingPicture(const QPixmap& picture);
    void light();
    void clearPicture();
    bool isLit() const { return m_lit; }

signals:
    void moved();
    void pressed(); // any button

protected:
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void showPicture();

    QPixmap m_highlight;
    QPixmap m_disabled;
    QPixmap m_resting;
    bool m_lit = false;
};

} // namespace brisquel
