#include "engine/converter_output.h"
#include "engine/failure_report.h"
#include "engine/short_conversion.h"

#include <gtest/gtest.h>

namespace brisquel {
namespace {

// Tails of the converter's own output for typical failures.
struct ErrorRow
{
    const char* name;
    std::string outputs;
    std::string expected;
};

void PrintTo(const ErrorRow& row, std::ostream* os)
{
    *os << row.name;
}

class ErrorLine : public testing::TestWithParam<ErrorRow>
{
};

TEST_P(ErrorLine, IsTheMostTellingLine)
{
    EXPECT_EQ(ConverterErrorLine(GetParam().outputs), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ErrorLine,
    testing::Values(
        ErrorRow{"EncoderRefusesTheRate",
                 "  Duration: 00:00:05.04, start: 0.025057, bitrate: 128 kb/s\n"
                 "[mp3 @ 0x55ec3dd70000] Estimating duration from bitrate, this may be inaccurate\n"
                 "Press [q] to stop, [?] for help\n"
                 "[libmp3lame @ 0x55ec3dd732c0] Specified sample rate 12050 is not supported\n"
                 "Error initializing output stream 0:0 -- Error while opening encoder for output stream #0:0 - "
                 "maybe incorrect parameters such as bit_rate, rate, width or height\n"
                 "Conversion failed!\n",
                 "Specified sample rate 12050 is not supported"},
        ErrorRow{"FolderMissing",
                 "Press [q] to stop, [?] for help\n"
                 "[segment @ 0x559123d64e40] Opening '/nonexist/a00000.mp3' for writing\n"
                 "[segment @ 0x559123d64e40] Failed to open segment '/nonexist/a00000.mp3'\n"
                 "Could not write header for output file #0 (incorrect codec parameters ?): No such file or directory\n"
                 "Error initializing output stream 0:0 -- \n"
                 "Conversion failed!\n",
                 "Failed to open segment '/nonexist/a00000.mp3'"},
        ErrorRow{"InputMissing", "  libpostproc    56.  6.100 / 56.  6.100\n/x/missing.mp3: No such file or directory\n",
                 "/x/missing.mp3: No such file or directory"},
        // A warning from before the last progress line is not why the run stopped.
        ErrorRow{"AfterTheLastProgressLine",
                 "[mp3 @ 0x1] Header missing\n"
                 "size=     100kB time=00:00:05.00 bitrate= 128.0kbits/s speed=50x\r"
                 "size=     200kB time=00:00:10.00 bitrate= 128.0kbits/s speed=50x\r"
                 "Error writing trailer of /o/a00001.mp3: No space left on device\n"
                 "Conversion failed!\n",
                 "Error writing trailer of /o/a00001.mp3: No space left on device"},
        ErrorRow{"NothingAfterProgressFallsBack",
                 "[mp3 @ 0x1] Header missing\nsize=     100kB time=00:00:05.00 bitrate= 128.0kbits/s\r"
                 "Conversion failed!\n",
                 "Header missing"},
        ErrorRow{"Silent", "", ""}, ErrorRow{"OnlyTheClosingLine", "Conversion failed!\r\n", ""},
        // Under a component's tag it is still only the closing line.
        ErrorRow{"ClosingLineUnderATag", "[ @ ]Conversion failed!", ""},
        ErrorRow{"ClosingLineUnderATagAfterAReason", "[mp3 @ 0x1] Header missing\n[aac @ 0x2] Conversion failed!\n",
                 "Header missing"}),
    [](const testing::TestParamInfo<ErrorRow>& info) { return std::string(info.param.name); });

// ffmpeg reports an output it could not finish, and still exits with 0.
TEST(OutputWriteError, IsTheLineSayingTheEndOfAnOutputWasNotWritten)
{
    EXPECT_EQ(OutputWriteError("size=N/A time=00:00:00.00 bitrate=N/A speed=N/A    [segment @ 0x1] Failure occurred "
                               "when ending segment '/o/a00000.mp3'\n"
                               "Error writing trailer of /o/a%05d.mp3: No space left on device\n"
                               "size=N/A time=00:00:03.00 bitrate=N/A speed=88.3x    \n"
                               "video:0kB audio:47kB subtitle:0kB other streams:0kB global headers:0kB\n"),
              "Error writing trailer of /o/a%05d.mp3: No space left on device");
    EXPECT_EQ(OutputWriteError("size=     200kB time=00:00:10.00 bitrate= 128.0kbits/s speed=50x\r"
                               "video:0kB audio:160kB\n"),
              "");
    // Only the converter's own line counts, not a file name that happens to hold the words.
    EXPECT_EQ(OutputWriteError("Error writing trailer of /o/a%05d.mp3: Input/output error\n"
                               "Input #0, wav, from '/m/Error writing trailer of x.wav':\n"),
              "Error writing trailer of /o/a%05d.mp3: Input/output error");
    EXPECT_EQ(OutputWriteError("Input #0, wav, from '/m/Error writing trailer of x.wav':\n"), "");
}

TEST(FailureReport, Captions)
{
    EXPECT_EQ(DoneCaption(0), "Done.");
    EXPECT_EQ(DoneCaption(1), "Done, 1 failed.");
    EXPECT_EQ(DoneCaption(12), "Done, 12 failed.");
    EXPECT_EQ(DoneCaption(0, 1), "Done, 1 with warnings.");
    EXPECT_EQ(DoneCaption(0, 3), "Done, 3 with warnings.");
    // A failure weighs more than a warning.
    EXPECT_EQ(DoneCaption(2, 3), "Done, 2 failed.");
}

TEST(FailureReport, ListsWarningsAsFailuresAreListed)
{
    const std::vector<FailedFile> warned{{"/m/cut.mp3", "only 6.7 s of 20.0 s could be read"}};
    EXPECT_EQ(FailureReportText({}, warned),
              "1 file was converted with a warning:\n\ncut.mp3: only 6.7 s of 20.0 s could be read");
    EXPECT_EQ(FailureReportText({{"/m/bad.wav", "Invalid data"}}, {warned[0], warned[0]}),
              "1 file was not converted:\n\nbad.wav: Invalid data\n\n"
              "2 files were converted with warnings:\n\ncut.mp3: only 6.7 s of 20.0 s could be read\n"
              "cut.mp3: only 6.7 s of 20.0 s could be read");
}

// The converter's output of a whole run, reduced to the lines that matter.
struct ShortRow
{
    const char* name;
    std::string outputs;
    std::string expected;
};

void PrintTo(const ShortRow& c, std::ostream* os) { *os << c.name; }

class ShortConversion : public testing::TestWithParam<ShortRow>
{
};

TEST_P(ShortConversion, WarnsWhenTheLastProgressFallsShortOfTheStatedDuration)
{
    EXPECT_EQ(ShortConversionWarning(GetParam().outputs), GetParam().expected);
}

const std::string Header = "Input #0, mp3, from '/m/cut.mp3':\n  Duration: 00:00:20.04, start: 0.025057, bitrate: 21 kb/s\n";

INSTANTIATE_TEST_SUITE_P(
    Table, ShortConversion,
    testing::Values(
        ShortRow{"CutOffInput",
                 Header + "size=N/A time=00:00:06.16 bitrate=N/A speed=11.3x    \r"
                          "size=N/A time=00:00:06.66 bitrate=N/A speed= 9.2x    \n",
                 "only 6.7 s of 20.0 s could be read"},
        ShortRow{"WholeInput", Header + "size=N/A time=00:00:12.00 bitrate=N/A\rsize=N/A time=00:00:20.02 bitrate=N/A\n", ""},
        // An encoder's priming and the last packet's rounding leave a little less than all.
        ShortRow{"JustAbove98Percent", Header + "size=N/A time=00:00:19.64 bitrate=N/A\n", ""},
        ShortRow{"JustBelow98Percent", Header + "size=N/A time=00:00:19.63 bitrate=N/A\n", "only 19.6 s of 20.0 s could be read"},
        ShortRow{"NoDurationStated", "  Duration: N/A, start: 0.000000, bitrate: N/A\nsize=N/A time=00:00:01.00 bitrate=N/A\n", ""},
        ShortRow{"NoProgressPrinted", Header, ""},
        ShortRow{"HourLongInput", "  Duration: 01:02:03.50, start: 0.000000\nsize=N/A time=00:30:00.00 bitrate=N/A\n",
                 "only 1800.0 s of 3723.5 s could be read"}),
    [](const testing::TestParamInfo<ShortRow>& info) { return std::string(info.param.name); });

TEST(FailureReport, NamesTenThenCountsTheRest)
{
    std::vector<FailedFile> failed;
    for (int i = 0; i < 12; ++i)
        failed.push_back({"/music/f" + std::to_string(i) + ".mp3", i == 1 ? "" : "Invalid data"});
    const std::string text = FailureReportText(failed);
    EXPECT_EQ(text.substr(0, text.find('\n')), "12 files were not converted:");
    EXPECT_NE(text.find("\nf0.mp3: Invalid data\n"), std::string::npos);
    EXPECT_NE(text.find("\nf1.mp3: no output was written\n"), std::string::npos);
    EXPECT_NE(text.find("\nf9.mp3: Invalid data\nand 2 more"), std::string::npos);
    EXPECT_EQ(text.find("f10.mp3"), std::string::npos);
    EXPECT_TRUE(text.ends_with("and 2 more"));

    EXPECT_EQ(FailureReportText({{"/a/x.flac", "Specified sample rate 12050 is not supported"}}),
              "1 file was not converted:\n\nx.flac: Specified sample rate 12050 is not supported");
}

} // namespace
} // namespace brisquel
