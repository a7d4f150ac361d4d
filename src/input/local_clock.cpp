#include "input/local_clock.h"

namespace brisquel {

std::tm currentLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return local;
}

} // namespace brisquel
