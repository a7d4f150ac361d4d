// Splitting without re-encoding through the driver and the real converter: for every format
// the option covers, a file already in it is cut into pieces that each start at 0, state
// their true length and play, with no tail shorter than a second; a file in another format
// is converted as before.
#include "engine/batch_driver.h"
#include "engine/converter_output.h"
#include "fake_batch_host.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace brisquel {
namespace {

namespace fs = std::filesystem;

using test::runConverter;

// 8.4 s in pieces of 4 s: a plain segment split would leave a last piece of 0.4 s.
constexpr const char* Tone = "sine=frequency=440:duration=8.4";
constexpr int SplitSeconds = 4;

struct Piece
{
    double stated = -1;  // the Duration: of its header
    double start = 0;    // its first timestamp
    double decoded = -1; // how long it plays, by decoding it all
    std::string stream;  // its audio stream line
    std::string tags;
};

Piece describe(const std::string& path)
{
    Piece piece;
    const std::string probe = runConverter({"-i", path});
    piece.stated = ProbedDuration(probe).value_or(-1);
    if (const auto at = probe.find(", start: "); at != std::string::npos)
        piece.start = std::stod(probe.substr(at + 9));
    if (const auto at = probe.find("Audio: "); at != std::string::npos)
        piece.stream = probe.substr(at, probe.find('\n', at) - at);
    piece.tags = probe.substr(0, probe.find("Duration: "));
    const std::string decoding = runConverter({"-i", path, "-f", "null", "-"});
    if (const auto at = decoding.rfind(TimeMarker); at != std::string::npos)
        piece.decoded = ReadTimeSeconds(ScanMarker(decoding.substr(at), TimeMarker).collected).value_or(-1);
    return piece;
}

struct CopyRow
{
    const char* name;
    int format;
    const char* extension;
    std::vector<std::string> encoding; // how the input is made: already in the format
};

void PrintTo(const CopyRow& row, std::ostream* out) { *out << row.name; }

class StreamCopy : public testing::TestWithParam<CopyRow>
{
protected:
    void SetUp() override
    {
        host.program = test::binFolder();
        host.scratch = dir / "scratch";
        host.folder = dir / "out";
        host.split = std::to_string(SplitSeconds);
        // A conversion would resample to these; a copy keeps the input's 32000 Hz mono.
        host.bitrate = "320";
        host.rate = "22050";
        host.channel = 0;
        host.copy = true;
    }

    std::string makeInput(const CopyRow& row)
    {
        const std::string input = dir / (std::string("tone") + row.extension);
        std::vector<std::string> arguments{"-f", "lavfi", "-i", Tone, "-ar", "32000", "-ac", "1"};
        arguments.insert(arguments.end(), row.encoding.begin(), row.encoding.end());
        arguments.insert(arguments.end(), {"-metadata", "title=Copy Tone", "-y", input});
        runConverter(arguments);
        EXPECT_TRUE(fs::exists(input)) << input;
        return input;
    }

    void runBatch(const std::string& input)
    {
        host.queue = {input};
        driver.StartConversion();
        driver.onStartTimerTick();
        ASSERT_TRUE(messages.empty()) << messages[0];
        ASSERT_EQ(host.caption, "Done.") << host.calls.back();
    }

    std::vector<std::string> pieces() const
    {
        std::vector<std::string> paths;
        for (const auto& entry : fs::directory_iterator(host.folder))
            paths.push_back(entry.path());
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    test::TempDir dir;
    test::FakeBatchHost host;
    test::SleepPump pump;
    std::vector<std::string> messages;
    BatchDriver driver{host, pump, [this](const std::string& text) { messages.push_back(text); }};
};

TEST_P(StreamCopy, PiecesStartAtZeroStateTheirLengthAndPlay)
{
    const CopyRow& row = GetParam();
    host.format = row.format;
    const std::string input = makeInput(row);
    const std::string before = test::readFile(input);
    runBatch(input);

    const std::vector<std::string> paths = pieces();
    ASSERT_EQ(paths.size(), 2u) << "the 0.4 s tail joins the piece before it";
    const double expected[] = {4.0, 4.4};
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i]);
        const Piece piece = describe(paths[i]);
        EXPECT_NEAR(piece.start, 0, 0.1);
        EXPECT_NEAR(piece.decoded, expected[i], 0.15) << "it plays";
        EXPECT_NEAR(piece.stated, piece.decoded, 0.15);
        EXPECT_NE(piece.stream.find("32000 Hz, mono"), std::string::npos) << piece.stream << ": not copied";
        if (row.format == 0) {
            EXPECT_NE(piece.tags.find("Copy Tone"), std::string::npos) << piece.tags;
        }
    }
    EXPECT_EQ(test::readFile(input), before);
}

INSTANTIATE_TEST_SUITE_P(
    Converter, StreamCopy,
    testing::Values(CopyRow{"mp3", 0, ".mp3", {}}, CopyRow{"wma", 1, ".wma", {"-acodec", "wmav1"}},
                    CopyRow{"ogg", 2, ".ogg", {}}, CopyRow{"wav", 3, ".wav", {}}, CopyRow{"ac3", 5, ".ac3", {}},
                    // The AMR encoder takes 8000 Hz alone, which its conversion asks for too.
                    CopyRow{"mpg", 8, ".mpg", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// AMR is 8000 Hz mono whichever way it goes, so the copy shows in the pieces' timing alone:
// a conversion would cut the tail off as a piece of its own.
TEST_F(StreamCopy, AmrPiecesKeepNoShortTail)
{
    host.format = 7;
    const std::string input = makeInput({"amr", 7, ".amr", {"-ar", "8000", "-ab", "7.4k"}});
    runBatch(input);
    const std::vector<std::string> paths = pieces();
    ASSERT_EQ(paths.size(), 2u);
    for (const std::string& path : paths) {
        const Piece piece = describe(path);
        EXPECT_NEAR(piece.start, 0, 0.1) << path;
        EXPECT_NEAR(piece.stated, piece.decoded, 0.15) << path;
        EXPECT_GT(piece.decoded, 3.9) << path;
    }
}

TEST_F(StreamCopy, AFileInAnotherFormatIsConvertedAsBefore)
{
    host.format = 0;
    const std::string input = makeInput({"wav", 3, ".wav", {}});
    runBatch(input);
    const std::vector<std::string> paths = pieces();
    ASSERT_FALSE(paths.empty());
    EXPECT_NE(describe(paths[0]).stream.find("mp3, 22050 Hz, mono"), std::string::npos) << describe(paths[0]).stream;
}

} // namespace
} // namespace brisquel
