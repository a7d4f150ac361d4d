#pragma once

#include <QString>

namespace brisquel {

// Plays a wave file and returns when it has played, or after `limitMs` at the latest. Where
// it cannot play (no audio output, an unreadable file) the system's default beep stands in.
void playSoundToEnd(const QString& path, int limitMs = 15000);

} // namespace brisquel
