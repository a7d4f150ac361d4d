#pragma once

#include <ctime>
#include <functional>

namespace brisquel {

// The local date and time; tests pass a fixed one.
using LocalClock = std::function<std::tm()>;

std::tm currentLocalTime();

} // namespace brisquel
