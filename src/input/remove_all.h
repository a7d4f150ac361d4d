#pragma once

#include "input/conversion_queue.h"

#include <functional>

namespace brisquel {

// Removes the entries the queue holds now, from the front, yielding after each so the list
// repaints as it shrinks. Entries appended during a yield (a drop) stay, each with its path.
void removeAll(ConversionQueue& queue, const std::function<void()>& yield);

} // namespace brisquel
