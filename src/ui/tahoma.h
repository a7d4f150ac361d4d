#pragma once

#include <QFont>

namespace brisquel {

// The windows' font at `points`: Tahoma where it is installed, else the closest sans font.
QFont tahoma(double points, QFont::Weight weight = QFont::Normal);

} // namespace brisquel
