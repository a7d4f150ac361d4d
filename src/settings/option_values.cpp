#include "settings/option_values.h"

#include <algorithm>
#include <unistd.h>

namespace brisquel {

std::int16_t SoundReminder = 0;
std::int16_t MusicCutter = 0;
std::int32_t CutStartSeconds = 0;
std::int32_t CutLengthSeconds = 0;
std::int32_t ConversionsAtOnce = DefaultConversionsAtOnce;
bool SplitByCopy = false;

int LogicalCores()
{
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    return cores > 1 ? static_cast<int>(std::min(cores, 1024L)) : 1;
}

int UsableConversionsAtOnce(std::int32_t stored)
{
    return std::clamp<int>(stored, 1, LogicalCores());
}

} // namespace brisquel
