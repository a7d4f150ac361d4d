#include "input/remove_all.h"

namespace brisquel {

void removeAll(ConversionQueue& queue, const std::function<void()>& yield)
{
    if (queue.count() == 0)
        return;
    // Entries are appended at the back with rising serials, so the ones that were here at
    // the start are exactly those at the front up to this serial, whatever a yield did.
    const auto lastOfOurs = queue.serial(queue.count() - 1);
    while (queue.count() > 0 && queue.serial(0) <= lastOfOurs) {
        queue.removeAt(0);
        if (yield)
            yield();
    }
}

} // namespace brisquel
