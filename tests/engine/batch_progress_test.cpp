#include "engine/batch_progress.h"

#include <gtest/gtest.h>

namespace brisquel {
namespace {

using namespace std::chrono_literals;

// A batch timed by a clock that only the test moves.
class BatchProgressTest : public testing::Test
{
protected:
    std::chrono::steady_clock::time_point now{};
    BatchProgress progress{[this] { return now; }};

    void SetUp() override { progress.begin(); }
};

TEST_F(BatchProgressTest, EstimatesOnlyOnceTheFirstFileIsATenthDone)
{
    progress.startFile(1000);
    EXPECT_FALSE(progress.estimate(0)) << "duration not known yet";
    progress.setDuration(100);
    now += 5s;
    progress.setPosition(9);
    EXPECT_FALSE(progress.estimate(0));
    progress.setPosition(10);
    const auto estimate = progress.estimate(0);
    ASSERT_TRUE(estimate);
    // 10 media seconds in 5 s: the 90 left take 45 s.
    EXPECT_DOUBLE_EQ(estimate->secondsLeft, 45);
    EXPECT_DOUBLE_EQ(estimate->fractionDone, 0.1);
}

TEST_F(BatchProgressTest, WeighsFilesNotProbedYetBySizeAtTheRateSeenSoFar)
{
    // 200 bytes make 100 media seconds; converted at 4x.
    progress.startFile(200);
    progress.setDuration(100);
    now += 25s;
    progress.setPosition(100);
    progress.finishFile();

    // The next file, 400 bytes, before its probe; one more of 200 bytes behind it.
    progress.startFile(400);
    auto estimate = progress.estimate(200);
    ASSERT_TRUE(estimate);
    EXPECT_DOUBLE_EQ(estimate->secondsLeft, (200 + 100) / 4.0);
    EXPECT_DOUBLE_EQ(estimate->fractionDone, 100.0 / 400);

    // Its probe finds a longer file than its size suggested: the duration wins.
    progress.setDuration(300);
    estimate = progress.estimate(200);
    ASSERT_TRUE(estimate);
    // Known now: 600 bytes for 400 s, so the last file counts 200 * 400 / 600 seconds.
    EXPECT_DOUBLE_EQ(estimate->secondsLeft, (300 + 200.0 * 400 / 600) / 4.0);

    now += 50s;
    progress.setPosition(200);
    estimate = progress.estimate(0);
    ASSERT_TRUE(estimate);
    // 300 media seconds in 75 s, still 4x; 100 s of this file to go.
    EXPECT_DOUBLE_EQ(estimate->secondsLeft, 25);
    EXPECT_DOUBLE_EQ(estimate->fractionDone, 0.75);
}

TEST_F(BatchProgressTest, NoEstimateWithoutARate)
{
    // The first file's duration was never found: nothing to weigh the others by.
    progress.startFile(200);
    now += 10s;
    progress.finishFile();
    progress.startFile(200);
    EXPECT_FALSE(progress.estimate(100));
}

TEST_F(BatchProgressTest, PositionStaysWithinTheDuration)
{
    progress.startFile(100);
    progress.setDuration(50);
    now += 10s;
    progress.setPosition(80); // a cut length longer than the input
    const auto estimate = progress.estimate(0);
    ASSERT_TRUE(estimate);
    EXPECT_DOUBLE_EQ(estimate->secondsLeft, 0);
    EXPECT_DOUBLE_EQ(estimate->fractionDone, 1);
}

// Files converted at once each count with their own position; one that ends leaves the
// others where they are, and a stopped one counts as not started.
TEST_F(BatchProgressTest, FilesAtOnceWeighTogether)
{
    progress.startFile(100, 0);
    progress.startFile(300, 1);
    progress.setDuration(100, 0);
    EXPECT_FALSE(progress.estimate(0)) << "no file a tenth done yet";
    // The second file's size counts at the first file's bytes per second until its probe.
    EXPECT_DOUBLE_EQ(*progress.fractionDone(0), 0);
    progress.setDuration(200, 1);
    now += 10s;
    progress.setPosition(50, 0);
    progress.setPosition(30, 1);
    auto estimate = progress.estimate(0);
    ASSERT_TRUE(estimate);
    // 80 of 300 media seconds in 10 s.
    EXPECT_DOUBLE_EQ(estimate->fractionDone, 80.0 / 300);
    EXPECT_DOUBLE_EQ(estimate->secondsLeft, 220 * 10 / 80.0);

    progress.finishFile(0);
    progress.dropFile(1);
    progress.startFile(300, 2);
    EXPECT_DOUBLE_EQ(*progress.fractionDone(0), 100.0 / 400) << "the new file weighs as the finished one did";
}

TEST(BatchTexts, ClockStatusAndSpeed)
{
    EXPECT_EQ(ClockText(0), "0:00");
    EXPECT_EQ(ClockText(102.4), "1:42");
    EXPECT_EQ(ClockText(59.6), "1:00");
    EXPECT_EQ(ClockText(3723), "1:02:03");
    EXPECT_EQ(ClockText(-5), "0:00");

    EXPECT_EQ(BatchStatusText(3, 12, BatchEstimate{102, 0.3}, 6.27), "File 3 of 12 \u00B7 1:42 left \u00B7 6.3x");
    EXPECT_EQ(BatchStatusText(1, 2, std::nullopt, std::nullopt), "File 1 of 2 \u00B7 estimating...");
    EXPECT_EQ(BatchStatusText(1, 2, std::nullopt, 627.0), "File 1 of 2 \u00B7 estimating... \u00B7 627.0x");
    // Files at once: their numbers as a range, never beyond the count.
    EXPECT_EQ(BatchStatusText(3, 12, BatchEstimate{102, 0.3}, 6.27, 2), "Files 3-4 of 12 \u00B7 1:42 left \u00B7 6.3x");
    EXPECT_EQ(BatchStatusText(12, 12, std::nullopt, std::nullopt, 2), "File 12 of 12 \u00B7 estimating...");
}

struct SpeedRow
{
    const char* name;
    const char* chunk;
    std::optional<double> speed;
};

void PrintTo(const SpeedRow& row, std::ostream* os)
{
    *os << row.name;
}

class SpeedFromChunkTest : public testing::TestWithParam<SpeedRow>
{
};

TEST_P(SpeedFromChunkTest, Reads)
{
    EXPECT_EQ(SpeedFromChunk(GetParam().chunk), GetParam().speed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpeedFromChunkTest,
    testing::Values(SpeedRow{"Plain", "size=  1kB time=00:00:01.00 bitrate= 8.0kbits/s speed=6.27x\r", 6.27},
                    SpeedRow{"PaddedWide", "time=00:10:00.00 bitrate=128.0kbits/s speed= 627x    \r", 627},
                    SpeedRow{"Exponent", "speed=1.02e+03x\r", 1020},
                    SpeedRow{"FirstLineCounts", "speed=2x\rspeed=3x\r", 2},
                    SpeedRow{"NotAvailable", "time=N/A bitrate=N/A speed=N/A    \r", std::nullopt},
                    SpeedRow{"CutShort", "speed=6.2", std::nullopt},
                    SpeedRow{"Absent", "Duration: 00:01:00.00, start: 0", std::nullopt}),
    [](const testing::TestParamInfo<SpeedRow>& info) { return std::string(info.param.name); });

TEST(BatchTexts, EndAndNotification)
{
    BatchOutcome outcome;
    outcome.duration = 245s;
    outcome.files = {{"/a.mp3", FileResult::Converted, {}, {"a00000.mp3"}},
                     {"/b.mp3", FileResult::Warning, "short", {"b00000.mp3"}},
                     {"/c.mp3", FileResult::Failed, "Invalid data", {}}};
    EXPECT_EQ(BatchEndText(outcome), "2 converted, 1 failed in 4:05");
    EXPECT_EQ(BatchNotificationText(outcome), "2 files converted, 1 failed");

    outcome.files.resize(1);
    EXPECT_EQ(BatchEndText(outcome), "1 converted in 4:05");
    EXPECT_EQ(BatchNotificationText(outcome), "1 file converted");

    outcome.files.push_back({"/b.mp3", FileResult::Stopped, {}, {}});
    outcome.stopped = true;
    EXPECT_EQ(BatchEndText(outcome), "1 converted, stopped in 4:05");
}

} // namespace
} // namespace brisquel
