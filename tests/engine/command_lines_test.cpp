#include "engine/command_lines.h"
#include "engine/split_length.h"
#include "process/command_line.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace brisquel {
namespace {

const std::string P = "/opt/brisquel";
const std::string Conv = "/opt/brisquel/data/conv.exe -i \"/music/a.b.mp3\" -f segment -segment_time 30 -reset_timestamps 1";

ConversionSettings defaults()
{
    ConversionSettings s;
    s.programFolder = P;
    s.input = "/music/a.b.mp3";
    s.outputFolder = OutputFolder("/home/u/output");
    s.formatIndex = 0;
    s.bitrateText = "128";
    s.rateText = "44100";
    s.channelIndex = 1;
    s.splitSeconds = 30;
    return s;
}

ConversionSettings changed(int format)
{
    ConversionSettings s = defaults();
    s.formatIndex = format;
    s.bitrateText = "320";
    s.rateText = "22050";
    s.channelIndex = 0;
    return s;
}

struct FormatRow
{
    ConversionSettings settings;
    std::string expected;
};

void PrintTo(const FormatRow& row, std::ostream* os)
{
    const ConversionSettings& s = row.settings;
    *os << "format " << s.formatIndex << ", " << s.bitrateText << " kbit/s, " << s.rateText << " Hz, channel "
        << s.channelIndex;
}

class ConversionLine : public testing::TestWithParam<FormatRow>
{
};

TEST_P(ConversionLine, IsExact)
{
    EXPECT_EQ(ConversionCommandLine(GetParam().settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ConversionLine,
    testing::Values(
        FormatRow{defaults(), Conv + " -y -map_metadata 0 -id3v2_version 3 -vn -ab 128k -ar 44100 -ac 2 -segment_format_options write_xing=0 \"/home/u/output/a.b%05d.mp3\""},
        FormatRow{changed(0), Conv + " -y -map_metadata 0 -id3v2_version 3 -vn -ab 320k -ar 22050 -ac 1 -segment_format_options write_xing=0 \"/home/u/output/a.b%05d.mp3\""},
        FormatRow{changed(1), Conv + " -y -vn -acodec wmav1 \"/home/u/output/a.b%05d.wma\""},
        FormatRow{changed(2), Conv + " -y -vn -ac 2 \"/home/u/output/a.b%05d.ogg\""},
        FormatRow{changed(3), Conv + " -y -vn -acodec pcm_s16le \"/home/u/output/a.b%05d.wav\""},
        FormatRow{changed(4), Conv + " -y -vn \"/home/u/output/a.b%05d.flac\""},
        FormatRow{changed(5), Conv + " -y -vn \"/home/u/output/a.b%05d.ac3\""},
        FormatRow{[] { auto s = defaults(); s.formatIndex = 6; return s; }(),
                  Conv + " -y -vn -ab 128k \"/home/u/output/a.b%05d.aac\""},
        FormatRow{changed(6), Conv + " -y -vn -ab 320k \"/home/u/output/a.b%05d.aac\""},
        FormatRow{changed(7), Conv + " -y -vn -ar 8000 -ab 7.4k -ac 1 \"/home/u/output/a.b%05d.amr\""},
        FormatRow{[] { auto s = defaults(); s.formatIndex = 8; return s; }(),
                  Conv + " -y -vn -ab 128k -ar 44100 -ac 2 \"/home/u/output/a.b%05d.mpg\""},
        FormatRow{changed(8), Conv + " -y -vn -ab 320k -ar 22050 -ac 1 \"/home/u/output/a.b%05d.mpg\""},
        // A position outside the list (nothing selected) converts as the default format.
        FormatRow{changed(-1), Conv + " -y -map_metadata 0 -id3v2_version 3 -vn -ab 320k -ar 22050 -ac 1 -segment_format_options write_xing=0 \"/home/u/output/a.b%05d.mp3\""}));

TEST(CommandLines, OutputFolderWithOrWithoutSeparatorGivesTheSameCommand)
{
    ConversionSettings with = defaults();
    with.outputFolder = OutputFolder("/home/u/output/");
    EXPECT_EQ(OutputFolder("/home/u/output/"), "/home/u/output/");
    EXPECT_EQ(ConversionCommandLine(with), ConversionCommandLine(defaults()));
}

TEST(CommandLines, ProbeAndFirstPass)
{
    EXPECT_EQ(ProbeCommandLine(P, "/music/a.b.mp3"), "/opt/brisquel/data/conv.exe -i \"/music/a.b.mp3\"");
    EXPECT_EQ(FirstPassCommandLine(P, "/music/x.flac", "/home/u/.cache/brisquel/tmp/tmp.wav"),
              "/opt/brisquel/data/conv.exe -threads 1 -i \"/music/x.flac\" /home/u/.cache/brisquel/tmp/tmp.wav");
    EXPECT_EQ(ScratchProbeCommandLine(P, "/home/u/.cache/brisquel/tmp/tmp.wav"),
              "/opt/brisquel/data/conv.exe -i /home/u/.cache/brisquel/tmp/tmp.wav");
}

TEST(CommandLines, EmptyBaseNameNamesTheSegmentsByNumberAlone)
{
    for (const std::string input : {"/x/track", "/x/.mp3"}) {
        ConversionSettings s = defaults();
        s.input = input;
        const auto args = SplitCommandLine(ConversionCommandLine(s));
        EXPECT_EQ(args.back(), "/home/u/output/%05d.mp3") << input;
    }
}

// Every path must come back from the runner's splitting exactly, whatever it holds: a
// quote must not end the argument and let the rest pass as converter options.
TEST(CommandLines, PathsSplitBackToThemselves)
{
    ConversionSettings s = defaults();
    s.programFolder = "/opt/my \"apps\"";
    s.input = "/music/say \"hi\" -y -f null.mp3";
    s.outputFolder = OutputFolder("/out/\"q\" dir");
    const auto args = SplitCommandLine(ConversionCommandLine(s));
    ASSERT_GE(args.size(), 4u);
    EXPECT_EQ(args[0], "/opt/my \"apps\"/data/conv.exe");
    EXPECT_EQ(args[1], "-i");
    EXPECT_EQ(args[2], s.input);
    EXPECT_EQ(args.back(), "/out/\"q\" dir/say \"hi\" -y -f null%05d.mp3");
    EXPECT_EQ(args.size(), 24u);

    const auto probe = SplitCommandLine(FirstPassCommandLine(s.programFolder, s.input, "/c a/tmp.wav"));
    EXPECT_EQ(probe, (std::vector<std::string>{args[0], "-threads", "1", "-i", s.input, "/c a/tmp.wav"}));
}

// The segment writer reads "%" as the start of a number pattern.
TEST(CommandLines, PercentInFolderOrNameIsDoubled)
{
    ConversionSettings s = defaults();
    s.input = "/music/100% hits.mp3";
    s.outputFolder = "/out/50%/";
    EXPECT_EQ(SplitCommandLine(ConversionCommandLine(s)).back(), "/out/50%%/100%% hits%05d.mp3");
}

TEST(CommandLines, FlacInputIsTheEndingInAnyCase)
{
    EXPECT_TRUE(IsFlacInput("/x/SONG.FLAC"));
    EXPECT_TRUE(IsFlacInput("/x/song.flac"));
    EXPECT_TRUE(IsFlacInput("/x/song.FlaC"));
    EXPECT_TRUE(IsFlacInput("flac"));
    EXPECT_FALSE(IsFlacInput("/x/song.fla"));
    EXPECT_FALSE(IsFlacInput("/x/song.flac.mp3"));
    EXPECT_FALSE(IsFlacInput("lac"));
}

struct SplitRow
{
    std::string text;
    int unit;
    int previous;
    int expected;
};

void PrintTo(const SplitRow& row, std::ostream* os)
{
    *os << '"' << row.text << "\" unit " << row.unit << " after " << row.previous;
}

class Split : public testing::TestWithParam<SplitRow>
{
};

TEST_P(Split, Length)
{
    const SplitRow& row = GetParam();
    EXPECT_EQ(SplitLength(row.text, row.unit, row.previous), row.expected) << '"' << row.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, Split,
    testing::Values(SplitRow{"30", 0, 0, 30}, SplitRow{"2", 1, 0, 120}, SplitRow{"2", 2, 0, 7200},
                    SplitRow{"2", 5, 0, 7200}, SplitRow{"1.5", 0, 0, 2}, SplitRow{"2.5", 0, 0, 2},
                    SplitRow{"0.5", 0, 0, 0}, SplitRow{" 45 ", 0, 0, 45}, SplitRow{"-3", 0, 0, -3},
                    SplitRow{"1e2", 0, 0, 100}, SplitRow{"0.5", 1, 0, 0}, SplitRow{"1.5", 1, 7, 120},
                    // Text that is no number: the first file of a batch gets 0, a later one
                    // the previous file's length.
                    SplitRow{"abc", 0, 0, 0}, SplitRow{"", 1, 0, 0}, SplitRow{"abc", 0, 45, 45},
                    SplitRow{"1,5", 0, 45, 45}, SplitRow{"inf", 0, 45, 45}, SplitRow{"12abc", 0, 45, 45},
                    // A product beyond 32 bits keeps the previous length.
                    SplitRow{"2147483647", 0, 9, 2147483647}, SplitRow{"2147483648", 0, 9, 9},
                    SplitRow{"596524", 2, 9, 9}, SplitRow{"596523", 2, 9, 2147482800}));

TEST(SplitLength, SegmentOption)
{
    EXPECT_EQ(SegmentOption(30), " -f segment -segment_time 30 -reset_timestamps 1");
    EXPECT_EQ(SegmentOption(120), " -f segment -segment_time 120 -reset_timestamps 1");
    // 0 or less would cut at every packet: such a length does not split at all.
    EXPECT_EQ(SegmentOption(0), " -f segment -segment_time 2147483647 -reset_timestamps 1");
    EXPECT_EQ(SegmentOption(-5), " -f segment -segment_time 2147483647 -reset_timestamps 1");
}

} // namespace
} // namespace brisquel
