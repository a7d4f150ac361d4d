#include "ui/scale_form_to_screen.h"

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace brisquel {
namespace {

int scaled(int value, double k)
{
    return static_cast<int>(std::lround(value * k));
}

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
    if (scale.kx == 1 && scale.ky == 1 && !beforeControls)
        return;
    const QSize size(scaled(form.width(), scale.kx), scaled(form.height(), scale.ky));
    if (form.minimumSize() == form.maximumSize())
        form.setFixedSize(size);
    else
        form.resize(size);
    if (beforeControls)
        beforeControls();
    for (QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect r = control->geometry();
        control->setGeometry(scaled(r.x(), scale.kx), scaled(r.y(), scale.ky), scaled(r.width(), scale.kx),
                             scaled(r.height(), scale.ky));
        scaleFont(*control, scale.kx);
    }
}

} // namespace brisquel
