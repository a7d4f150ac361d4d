// Appending 32767 entries to the queue one by one, then Remove All, against the same work on
// a plain std::deque of the same entries, in the same run. Best of five.
#include "input/conversion_queue.h"
#include "input/remove_all.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <deque>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using brisquel::ConversionQueue;
using brisquel::QueueEntry;

template <typename Run>
double bestSeconds(Run run)
{
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto start = Clock::now();
        run();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

} // namespace

int main()
{
    std::vector<QueueEntry> entries;
    for (int i = 0; i < ConversionQueue::MaxEntries; ++i) {
        const std::string path = "/home/user/Music/Some Artist/Some Album/track " + std::to_string(i) + ".flac";
        entries.push_back({path, path, "FLAC"});
    }
    std::size_t left = 0;
    const double queue = bestSeconds([&] {
        ConversionQueue q;
        int rows = 0;
        q.entriesInserted = [&](int first, int last) { rows += last - first + 1; };
        q.entriesRemoved = [&](int first, int last) { rows -= last - first + 1; };
        for (const QueueEntry& entry : entries)
            q.append(entry);
        brisquel::removeAll(q, [] {});
        left += static_cast<std::size_t>(q.count() + rows);
    });
    const double plain = bestSeconds([&] {
        std::deque<QueueEntry> d;
        for (const QueueEntry& entry : entries)
            d.push_back(entry);
        while (!d.empty())
            d.pop_front();
        left += d.size();
    });
    const double n = static_cast<double>(entries.size());
    std::printf("ConversionQueue: %zu appends + Remove All in %.2f ms, %.0f ns per entry\n", entries.size(),
                queue * 1000, queue / n * 1e9);
    std::printf("std::deque:      %zu push_back + pop_front in %.2f ms, %.0f ns per entry\n", entries.size(),
                plain * 1000, plain / n * 1e9);
    std::printf("ratio ConversionQueue / std::deque: %.2f\n", queue / plain);
    return left == 0 ? 0 : 1;
}
