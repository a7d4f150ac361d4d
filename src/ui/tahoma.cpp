#include "ui/tahoma.h"

namespace brisquel {

QFont tahoma(double points, QFont::Weight weight)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

} // namespace brisquel
