#include "ui/scale_form_to_screen.h"

#include <QScreen>
#include <QWidget>

namespace brisquel {
namespace {

void scaleFont(QWidget& widget, double k)
{
    QFont font = widget.font();
    if (font.pointSizeF() <= 0)
        return; // a pixel-sized font keeps its pixels already
    font.setPointSizeF(font.pointSizeF() * k);
    widget.setFont(font);
}

} // namespace

ScreenScale screenScale(const QWidget& form)
{
    const QScreen* screen = form.screen();
    if (!screen || screen->logicalDotsPerInchX() <= 0 || screen->logicalDotsPerInchY() <= 0)
        return {};
    return {96.0 / screen->logicalDotsPerInchX(), 96.0 / screen->logicalDotsPerInchY()};
}

void ScaleFormToScreen(QWidget& form, ScreenScale scale, const std::function<void()>& beforeControls)
{
    if (beforeControls)
        beforeControls();
    if (scale.kx == 1)
        return;
    // A control's own font is set on it, fixing its size for the widgets inside it; those
    // that set one of their own (a caption inside a picture box) are scaled as well.
    const QList<QWidget*> controls = form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QList<QWidget*> ownFonts;
    for (QWidget* widget : form.findChildren<QWidget*>())
        if (!controls.contains(widget) && widget->testAttribute(Qt::WA_SetFont) && !widget->isWindow())
            ownFonts << widget;
    for (QWidget* control : controls)
        scaleFont(*control, scale.kx);
    for (QWidget* widget : ownFonts)
        scaleFont(*widget, scale.kx);
}

} // namespace brisquel
