#pragma once

#include <QColor>

namespace brisquel {

// The current colour of a system colour by its classic index (5 is the window background,
// 15 the face of a button, ...), taken from the application's palette. An index that names
// no system colour gives black.
QColor systemColor(int index);

} // namespace brisquel
