#include "process/command_line.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace brisquel {
namespace {

using Arguments = std::vector<std::string>;

struct SplitCase
{
    const char* text;
    Arguments arguments;
};

// Names the case by its text in test listings.
void PrintTo(const SplitCase& splitCase, std::ostream* out)
{
    *out << testing::PrintToString(std::string(splitCase.text));
}

class SplitCommandLineTest : public testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitCommandLineTest, GivesTheArguments)
{
    EXPECT_EQ(SplitCommandLine(GetParam().text), GetParam().arguments) << "text: [" << GetParam().text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitCommandLineTest,
    testing::Values(
        SplitCase{"", {}},
        SplitCase{" \t  ", {}},
        SplitCase{"conv.exe", {"conv.exe"}},
        SplitCase{"  a   b\tc  ", {"a", "b", "c"}},
        SplitCase{R"("a b" c)", {"a b", "c"}},
        SplitCase{R"(a"b c"d)", {"ab cd"}},
        SplitCase{R"("unterminated group)", {"unterminated group"}},
        SplitCase{R"("" "")", {"", ""}},
        SplitCase{R"(a "" b)", {"a", "", "b"}},
        SplitCase{R"("a""b")", {"a\"b"}},
        // Backslashes are literal unless a quote follows them.
        SplitCase{R"(a\b a\\b \\server\share\)", {R"(a\b)", R"(a\\b)", R"(\\server\share\)"}},
        SplitCase{R"(a\"b)", {"a\"b"}},
        SplitCase{R"(a\\"b c")", {R"(a\b c)"}},
        SplitCase{R"(a\\\"b)", {R"(a\"b)"}},
        SplitCase{R"("C:\out\\" next)", {R"(C:\out\)", "next"}},
        SplitCase{R"(\")", {"\""}},
        // The lines the converter is started with: quoted paths with spaces and non-ASCII
        // names, the segment pattern, bare options.
        SplitCase{R"("/home/ann/Brisquel/data/conv.exe" -i "/home/ann/Music/Été 1999.flac" -y "/home/ann/.cache/brisquel/tmp/tmp.wav")",
                  {"/home/ann/Brisquel/data/conv.exe", "-i", "/home/ann/Music/Été 1999.flac", "-y",
                   "/home/ann/.cache/brisquel/tmp/tmp.wav"}},
        SplitCase{R"("/opt/b/data/conv.exe" -i "/m/a b.mp3")", {"/opt/b/data/conv.exe", "-i", "/m/a b.mp3"}},
        SplitCase{R"("/opt/b/data/conv.exe" -i "/m/song.wav" -threads 2 -f segment -segment_time 30 -y -map_metadata -1 -ab 128k -ar 44100 -ac 2 "/home/ann/output/song%05d.mp3")",
                  {"/opt/b/data/conv.exe", "-i", "/m/song.wav", "-threads", "2", "-f", "segment", "-segment_time", "30",
                   "-y", "-map_metadata", "-1", "-ab", "128k", "-ar", "44100", "-ac", "2",
                   "/home/ann/output/song%05d.mp3"}},
        SplitCase{R"(/opt/b/data/conv.exe -i "/m/it's \"live\".mp3" -acodec pcm_s16le out.wav)",
                  {"/opt/b/data/conv.exe", "-i", R"(/m/it's "live".mp3)", "-acodec", "pcm_s16le", "out.wav"}}));

TEST(QuoteArgument, LeavesAPlainArgumentAlone)
{
    for (const char* plain : {"conv.exe", "-segment_time", R"(a\b\)", "/m/Été.mp3", "%05d"})
        EXPECT_EQ(QuoteArgument(plain), plain);
}

TEST(QuoteArgument, QuotesWhatWouldNotSurvive)
{
    EXPECT_EQ(QuoteArgument(""), R"("")");
    EXPECT_EQ(QuoteArgument("a b"), R"("a b")");
    EXPECT_EQ(QuoteArgument(R"(a"b)"), R"("a\"b")");
    EXPECT_EQ(QuoteArgument(R"(C:\dir with\)"), R"("C:\dir with\\")");
}

// Each argument alone and all of them on one line come back exactly.
TEST(QuoteArgument, RoundTripsThroughTheSplitter)
{
    const Arguments awkward{
        "", " ", "a b", "\t", "tab\there", "\"", "\"\"", "a\"b", " \" ", "\\", "\\\\", "a\\", "a\\\\",
        "a\\\"b", "a\\\\\"b", "\\\"", "ends with \\", "ends with \\\\", "\\\\server\\share", "C:\\dir with\\",
        "Été 1999", "ファイル 名.flac", "émoji 🎵\"q\"", "100%", "a'b", "-i", "--", "x\\\"\\\\\" y",
    };
    for (const std::string& argument : awkward)
        EXPECT_EQ(SplitCommandLine(QuoteArgument(argument)), Arguments{argument}) << "argument: [" << argument << "]";

    std::string line;
    for (const std::string& argument : awkward)
        line += (line.empty() ? "" : " ") + QuoteArgument(argument);
    EXPECT_EQ(SplitCommandLine(line), awkward);
}

} // namespace
} // namespace brisquel
