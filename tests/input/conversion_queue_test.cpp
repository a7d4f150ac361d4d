#include "input/conversion_queue.h"
#include "input/remove_all.h"

#include <gtest/gtest.h>

namespace brisquel {
namespace {

QueueEntry entryFor(int n)
{
    const std::string name = "/music/" + std::to_string(n) + ".mp3";
    return {name, name, "MP3"};
}

std::vector<std::string> paths(const ConversionQueue& queue)
{
    std::vector<std::string> result;
    for (int i = 0; i < queue.count(); ++i) {
        EXPECT_EQ(queue.entry(i).display, queue.path(i)) << "row and path drifted apart at " << i;
        result.push_back(queue.path(i));
    }
    return result;
}

TEST(ConversionQueueTest, RemovingARowTakesItsPathWithIt)
{
    ConversionQueue queue;
    std::vector<std::pair<int, int>> removed;
    queue.entriesRemoved = [&](int first, int last) { removed.emplace_back(first, last); };
    for (int n = 1; n <= 3; ++n)
        EXPECT_TRUE(queue.append(entryFor(n)));
    queue.append(entryFor(1));

    queue.removeAt(1);
    queue.removeAt(-1);
    queue.removeAt(3);
    EXPECT_EQ(paths(queue), (std::vector<std::string> {"/music/1.mp3", "/music/3.mp3", "/music/1.mp3"}));
    EXPECT_EQ(removed, (std::vector<std::pair<int, int>> {{1, 1}}));

    queue.clear();
    EXPECT_EQ(queue.count(), 0);
    EXPECT_EQ(removed.back(), std::make_pair(0, 2));
}

TEST(ConversionQueueTest, AnIntakeNeverGrowsTheQueuePastItsLimit)
{
    ConversionQueue queue;
    std::vector<std::pair<int, int>> inserted;
    queue.entriesInserted = [&](int first, int last) { inserted.emplace_back(first, last); };
    queue.append(entryFor(0));
    std::vector<QueueEntry> many;
    for (int n = 1; n <= ConversionQueue::MaxEntries + 2; ++n)
        many.push_back(entryFor(n));

    EXPECT_EQ(queue.append(many), 3);
    EXPECT_EQ(queue.count(), ConversionQueue::MaxEntries);
    EXPECT_EQ(queue.path(ConversionQueue::MaxEntries - 1), entryFor(ConversionQueue::MaxEntries - 1).path);
    EXPECT_EQ(inserted.back(), std::make_pair(1, ConversionQueue::MaxEntries - 1));
    EXPECT_FALSE(queue.append(entryFor(-1)));
    EXPECT_EQ(queue.append(many), static_cast<int>(many.size()));
    EXPECT_EQ(inserted.size(), 2u);
}

TEST(ConversionQueueTest, RemoveAllKeepsEntriesAppendedWhileItYields)
{
    ConversionQueue queue;
    for (int n = 1; n <= 4; ++n)
        queue.append(entryFor(n));
    int yields = 0;
    removeAll(queue, [&] {
        ++yields;
        if (yields == 1)
            queue.append(entryFor(10)); // a drop while the list shrinks
        if (yields == 2)
            queue.removeAt(0);          // the batch finishing its front entry meanwhile
    });
    EXPECT_EQ(paths(queue), std::vector<std::string> {"/music/10.mp3"});
    EXPECT_EQ(yields, 3);

    removeAll(queue, nullptr);
    EXPECT_EQ(queue.count(), 0);
    removeAll(queue, nullptr);
}

} // namespace
} // namespace brisquel
