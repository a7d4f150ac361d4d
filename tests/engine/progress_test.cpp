#include "engine/converter_output.h"
#include "engine/number_text.h"
#include "engine/progress.h"

#include <gtest/gtest.h>

namespace brisquel {
namespace {

TEST(NumberText, RoundHalfEven)
{
    const std::pair<double, double> rows[] = {{2.5, 2}, {3.5, 4}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3},
                                              {-2.5, -2}, {-3.5, -4}, {102.5, 102}, {205.47, 205}, {7, 7}};
    for (const auto& [value, expected] : rows)
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST(NumberText, PlainDecimalHasNoExponentAndAtMost15Digits)
{
    EXPECT_EQ(PlainDecimal(49.7560975609756), "49.7560975609756");
    EXPECT_EQ(PlainDecimal(28.999999999999996), "29");
    EXPECT_EQ(PlainDecimal(0.0277777777777778), "0.0277777777777778");
    EXPECT_EQ(PlainDecimal(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(PlainDecimal(5e-7), "0.0000005");
    EXPECT_EQ(PlainDecimal(50), "50");
    EXPECT_EQ(PlainDecimal(0), "0");
}

TEST(NumberText, ParseNumber)
{
    EXPECT_EQ(ParseNumber("25.47"), 25.47);
    EXPECT_EQ(ParseNumber("-00"), 0.0);
    EXPECT_EQ(ParseNumber(".5"), 0.5);
    EXPECT_EQ(ParseNumber("+7"), 7.0);
    for (const char* bad : {"", " ", "N/A", "1.2.3", "0x10", "nan", "1e", "--1", "1 2"})
        EXPECT_FALSE(ParseNumber(bad).has_value()) << '"' << bad << '"';
}

// The probe's chunk and the scan's corner cases.
TEST(MarkerScan, PositionsAndRepeats)
{
    MarkerScan scan = ScanMarker("  Duration: 00:03:25.47, start: 0.025057, bitrate: 320 kb/s", DurationMarker);
    EXPECT_TRUE(scan.found);
    EXPECT_EQ(scan.collected, "00:03:25.47,");

    scan = ScanMarker("time=00:00:01.00 x time=00:00:02.00 y", TimeMarker);
    EXPECT_EQ(scan.collected, "00:00:01.0000:00:02.00");

    // A marker that ends at the chunk's last character is not found; one a character
    // before the end is, with what follows it.
    EXPECT_FALSE(ScanMarker("abc time=", TimeMarker).found);
    scan = ScanMarker("abc time=0", TimeMarker);
    EXPECT_TRUE(scan.found);
    EXPECT_EQ(scan.collected, "0");
    // Found with nothing collected: a space follows at once.
    scan = ScanMarker("time= 1", TimeMarker);
    EXPECT_TRUE(scan.found);
    EXPECT_EQ(scan.collected, "");
    EXPECT_FALSE(ScanMarker("tim", TimeMarker).found);
}

TEST(MarkerScan, StepRunsForEveryPositionAndCharacter)
{
    int steps = 0;
    // 8 characters, marker of 5: positions 1 to 3, and 2 characters collected at position 1.
    ScanMarker("time=1 2", TimeMarker, [&] { ++steps; });
    EXPECT_EQ(steps, 3 + 1);
    steps = 0;
    ScanMarker("time=12 ", TimeMarker, [&] { ++steps; });
    EXPECT_EQ(steps, 3 + 2);
}

TEST(ReadTimeValue, Table)
{
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"00:03:25.47,", 205},      {"00:01:42.50", 102},    {"00:00:02.50", 2},       {"00:00:03.50", 4},
        {"01:00:00.00", 3600},      {"00:03:25.47,00:05:00.00,", 205},
        {"N/A,", std::nullopt},     {"00:01", std::nullopt}, {"00:xx:01.00", std::nullopt},
        {"", std::nullopt},         {"999999:00:00.00", std::nullopt}, {"1e308:-1e308:00", std::nullopt}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(ReadTimeValue(text), expected) << text;
}

TEST(Progress, ForTime)
{
    struct Row
    {
        int seconds, total;
        ProgressView expected;
    };
    const Row rows[] = {
        {102, 205, {2694, "49.7%"}}, {11, 200, {298, "5.5%"}},  {1, 2, {2708, "50%"}},   {8, 100, {433, "8%"}},
        {1, 360, {15, "0.27%"}},     {1, 3600, {2, "0.02%"}},   {29, 100, {1570, "29%"}}, {0, 205, {0, "0%"}},
        {205, 205, {5415, "100%"}},  {300, 205, {5415, "100%"}}, {10, 0, {5415, "100%"}}, {-5, 205, {0, "0%"}}};
    for (const Row& row : rows)
        EXPECT_EQ(ProgressForTime(row.seconds, row.total), row.expected) << row.seconds << "/" << row.total;
}

struct ChunkRow
{
    const char* name;
    std::string chunk;
    int totalBefore;
    bool cutter;
    int cutLength;
    int totalAfter;
    std::optional<ProgressView> expected;
};

void PrintTo(const ChunkRow& c, std::ostream* os) { *os << c.name; }

class ConversionChunk : public testing::TestWithParam<ChunkRow>
{
};

TEST_P(ConversionChunk, Display)
{
    const ChunkRow& row = GetParam();
    int total = row.totalBefore;
    EXPECT_EQ(ConversionProgress(row.chunk, total, row.cutter, row.cutLength), row.expected);
    EXPECT_EQ(total, row.totalAfter);
}

const std::string Line1 = "size=     100kB time=00:01:42.50 bitrate= 128.0kbits/s speed=50x\r";
const std::string Line2 = "size=     200kB time=00:02:50.00 bitrate= 128.0kbits/s speed=50x\r";

INSTANTIATE_TEST_SUITE_P(
    Table, ConversionChunk,
    testing::Values(
        ChunkRow{"HalfWay", Line1, 205, false, 0, 205, ProgressView{2694, "49.7%"}},
        ChunkRow{"FirstOfTwoLines", Line1 + Line2, 205, false, 0, 205, ProgressView{2694, "49.7%"}},
        ChunkRow{"NoMarkerKeepsTheDisplay", "Stream mapping:\n", 205, false, 0, 205, std::nullopt},
        ChunkRow{"DurationInTheChunk", "  Duration: 00:03:25.47, start: 0.0\n" + Line1, 0, false, 0, 205,
                 ProgressView{2694, "49.7%"}},
        ChunkRow{"DurationNotAvailable", "  Duration: N/A, bitrate: N/A\n" + Line1, 0, false, 0, 0,
                 ProgressView{5415, "100%"}},
        ChunkRow{"CutterStandsIn", "  Duration: N/A, bitrate: N/A\n" + Line1, 0, true, 410, 410,
                 ProgressView{1347, "24.8%"}},
        ChunkRow{"CutterShorterThanTime", Line1, 0, true, 60, 60, ProgressView{5415, "100%"}},
        ChunkRow{"ProbeResultWinsOverCutter", Line1, 205, true, 410, 205, ProgressView{2694, "49.7%"}},
        ChunkRow{"UnreadableTimeCountsAsZero", "size=N/A time=N/A bitrate=N/A\r", 205, false, 0, 205,
                 ProgressView{0, "0%"}},
        ChunkRow{"NegativeTimeCountsAsZero", "size=0kB time=-00:00:00.50 bitrate=N/A\r", 205, false, 0, 205,
                 ProgressView{0, "0%"}},
        ChunkRow{"NegativeHoursCountAsZero", "size=0kB time=-577014:32:22.77 bitrate=N/A\r", 205, false, 0, 205,
                 ProgressView{0, "0%"}}),
    [](const testing::TestParamInfo<ChunkRow>& info) { return std::string(info.param.name); });

TEST(Progress, DurationFromProbeChunk)
{
    EXPECT_EQ(DurationFromChunk("  Duration: 00:03:25.47, start: 0.025057, bitrate: 320 kb/s\n"), 205);
    EXPECT_EQ(DurationFromChunk("  Duration: N/A, bitrate: N/A\n"), std::nullopt);
    EXPECT_EQ(DurationFromChunk("Input #0, mp3, from 'a.mp3':\n"), std::nullopt);
    // A marker split across two reads is found in neither.
    EXPECT_EQ(DurationFromChunk("  Durat"), std::nullopt);
    EXPECT_EQ(DurationFromChunk("ion: 00:03:25.47, start: 0.0\n"), std::nullopt);
}

TEST(Progress, AnimationRestartsBelowTheFullWidth)
{
    int width = 0;
    for (int tick = 0; tick < 54; ++tick)
        width = AnimationStep(width);
    EXPECT_EQ(width, 5400);
    EXPECT_EQ(AnimationStep(width), 101);
    EXPECT_EQ(AnimationStep(5314), 5414);
    EXPECT_EQ(AnimationStep(5315), 101);
    EXPECT_EQ(AnimationStep(2694), 2794);
}

} // namespace
} // namespace brisquel
