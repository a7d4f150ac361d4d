#include "ui/progress_caption.h"

#include <QAccessible>

#include <algorithm>

namespace brisquel {

void ProgressCaption::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void ProgressCaption::setPercent(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent == m_percent)
        return;
    m_percent = percent;
    QAccessibleValueChangeEvent event(this, m_percent);
    QAccessible::updateAccessibility(&event);
}

} // namespace brisquel
