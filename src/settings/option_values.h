#pragma once

#include <cstdint>

namespace brisquel {

// The options of the options dialog, shared by the dialog, the batch driver and the
// progress monitor. All are 0 until options.ini is loaded.
extern std::int16_t SoundReminder;   // 0 = on; anything else (1, or -1 for no choice) = off
extern std::int16_t MusicCutter;     // 0 = off
extern std::int32_t CutStartSeconds;
extern std::int32_t CutLengthSeconds;

// Lines 5 and 6 of options.ini; a file without them gives these defaults.
inline constexpr std::int32_t DefaultConversionsAtOnce = 1;
extern std::int32_t ConversionsAtOnce; // files converted side by side, 1 or more
extern bool SplitByCopy;
// The most conversions at once that make sense here: the logical cores, at least 1.
int LogicalCores();
// The stored value as the batch uses it: 1 up to LogicalCores().
int UsableConversionsAtOnce(std::int32_t stored);               // cut a file already in the output format without re-encoding it

} // namespace brisquel
