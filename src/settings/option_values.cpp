#include "settings/option_values.h"

namespace brisquel {

std::int16_t SoundReminder = 0;
std::int16_t MusicCutter = 0;
std::int32_t CutStartSeconds = 0;
std::int32_t CutLengthSeconds = 0;
std::int32_t ConversionsAtOnce = DefaultConversionsAtOnce;
bool SplitByCopy = false;

} // namespace brisquel
