#include "engine/batch_driver.h"
#include "engine/converter_output.h"
#include "fake_batch_host.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <cctype>
#include <memory>

namespace brisquel {
namespace {

namespace fs = std::filesystem;

using test::runConverter;

// How long the file plays, in seconds, as the converter finds by decoding it all: the
// samples a player gets, counted at 8000 Hz mono.
double decodedSeconds(const std::string& path, const std::string& scratch)
{
    const std::string raw = scratch + "/decoded.raw";
    runConverter({"-i", path, "-vn", "-ac", "1", "-ar", "8000", "-f", "s16le", "-y", raw});
    const double seconds = fs::exists(raw) ? static_cast<double>(fs::file_size(raw)) / 16000 : -1;
    fs::remove(raw);
    return seconds;
}

// What the file's headers state, as the converter's description of the input gives it: its
// start and its length. A start the container does not state counts as 0; a length it
// does not state stays unset.
struct Stated
{
    double start = 0;
    std::optional<double> duration;
};

Stated statedTiming(const std::string& path)
{
    const std::string outputs = runConverter({"-i", path});
    Stated stated;
    const auto durationAt = outputs.find(DurationMarker);
    if (durationAt == std::string::npos)
        return stated;
    const std::string text = outputs.substr(durationAt + DurationMarker.size(), 11);
    int h = 0, m = 0;
    double sec = 0;
    if (std::sscanf(text.c_str(), "%d:%d:%lf", &h, &m, &sec) == 3)
        stated.duration = h * 3600 + m * 60 + sec;
    const auto startAt = outputs.find("start: ", durationAt);
    if (startAt != std::string::npos && outputs.find('\n', durationAt) > startAt)
        stated.start = std::atof(outputs.c_str() + startAt + 7);
    return stated;
}

// Three 25-second tones, made once for the whole suite.
class EndToEnd : public testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_inputs = std::make_unique<test::TempDir>();
        for (const char* name : {"tone_mp3.mp3", "tone_flac.flac", "tone_wav.wav"}) {
            runConverter({"-f", "lavfi", "-i", "sine=frequency=440:duration=25", "-y", *s_inputs / name});
            ASSERT_TRUE(fs::exists(*s_inputs / name)) << name;
        }
    }
    static void TearDownTestSuite() { s_inputs.reset(); }

protected:
    void SetUp() override
    {
        host.program = test::binFolder();
        host.scratch = dir / "scratch";
        host.folder = dir / "out";
        host.queue = {*s_inputs / "tone_mp3.mp3", *s_inputs / "tone_flac.flac", *s_inputs / "tone_wav.wav"};
    }

    void runBatch()
    {
        driver.StartConversion();
        ASSERT_TRUE(host.startTimer);
        driver.onStartTimerTick();
    }

    std::vector<std::string> outputNames() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(host.folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::unique_ptr<test::TempDir> s_inputs;
    test::TempDir dir;
    test::FakeBatchHost host;
    test::SleepPump pump;
    std::vector<std::string> messages;
    BatchDriver driver{host, pump, [this](const std::string& text) { messages.push_back(text); }};
};

std::unique_ptr<test::TempDir> EndToEnd::s_inputs;

struct FormatRow
{
    const char* name;
    int format;
    // Where the muxer itself makes a piece begin: MPEG program streams start after a
    // preroll of half a second, and players count the length from there.
    double start = 0;
    // How far the stated length may be from the decoded one: 0.15 s, plus a share of the
    // length where the format states none. Raw ADTS carries no length: every reader
    // estimates it from the bit rate of the first frames, and the encoder's first frames
    // are smaller than the rest.
    double estimatedShare = 0;
};

void PrintTo(const FormatRow& row, std::ostream* out)
{
    *out << row.name;
}

class EveryFormat : public EndToEnd, public testing::WithParamInterface<FormatRow>
{
};

// A 25-second input split every 10 seconds: two whole pieces and a short last one, each of
// which must start at 0 and state the length it plays for.
TEST_P(EveryFormat, CutsEachInputIntoPiecesThatStartAtZeroAndStateTheirLength)
{
    const FormatRow row = GetParam();
    host.format = row.format;
    host.rate = "22050";
    host.split = "10";
    runBatch();
    ASSERT_TRUE(messages.empty()) << messages[0];
    EXPECT_EQ(host.caption, "Done.") << host.calls.back();
    EXPECT_TRUE(host.queue.empty());

    const std::string ext = row.name;
    std::vector<std::string> expected;
    for (const char* base : {"tone_flac", "tone_mp3", "tone_wav"})
        for (const char* number : {"00000", "00001", "00002"})
            expected.push_back(std::string(base) + number + "." + ext);
    ASSERT_EQ(outputNames(), expected);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::string piece = host.folder + "/" + expected[i];
        const double decoded = decodedSeconds(piece, dir.path());
        EXPECT_NEAR(decoded, i % 3 == 2 ? 5 : 10, 0.2) << expected[i];
        const Stated stated = statedTiming(piece);
        EXPECT_NEAR(stated.start, row.start, 0.1) << expected[i];
        ASSERT_TRUE(stated.duration) << expected[i];
        EXPECT_NEAR(*stated.duration, decoded, 0.15 + row.estimatedShare * decoded)
            << expected[i];
    }
    if (ext == "amr") {
        EXPECT_NE(runConverter({"-i", host.folder + "/tone_wav00000.amr"}).find("8000 Hz, mono"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(host.scratch + "/tmp.wav"));
}

INSTANTIATE_TEST_SUITE_P(Converter, EveryFormat,
                         testing::Values(FormatRow{"mp3", 0}, FormatRow{"wma", 1}, FormatRow{"ogg", 2},
                                         FormatRow{"wav", 3}, FormatRow{"flac", 4}, FormatRow{"ac3", 5},
                                         FormatRow{"aac", 6, 0, 0.08}, FormatRow{"amr", 7},
                                         FormatRow{"mpg", 8, 0.5}),
                         [](const testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

// A split length below one second would cut at every packet; it makes one whole file.
TEST_F(EndToEnd, SplitBelowOneSecondWritesOneFile)
{
    host.queue = {host.queue[0]};
    host.split = "0.5";
    runBatch();
    EXPECT_EQ(outputNames(), std::vector<std::string>{"tone_mp300000.mp3"});
    EXPECT_NEAR(decodedSeconds(host.folder + "/tone_mp300000.mp3", dir.path()), 25, 0.2);
}

// A download cut off after a third of its bytes: the headers still promise 20 seconds.
TEST_F(EndToEnd, ACutOffInputIsConvertedWithAWarning)
{
    std::vector<std::string> cut;
    for (const char* name : {"short.mp3", "clipped.flac"}) {
        const std::string whole = dir / (std::string("whole_") + name);
        runConverter({"-f", "lavfi", "-i", "sine=frequency=330:duration=20", "-y", whole});
        const std::string bytes = test::readFile(whole);
        ASSERT_GT(bytes.size(), 3000u) << name;
        cut.push_back(dir / name);
        test::writeFile(cut.back(), bytes.substr(0, bytes.size() / 3));
    }
    const std::string cutMp3 = test::readFile(cut[0]);
    host.queue = {cut[0], cut[1], host.queue[2]};
    runBatch();

    EXPECT_EQ(host.caption, "Done, 2 with warnings.");
    const std::string report = host.calls.back();
    // "NAME: only X.Y s of 20.0 s could be read", with X between 4 and 8: a third of 20 s,
    // give or take what the decoder makes of the cut. (No std::regex: g++ 12 warns inside it
    // under the sanitizers.)
    const auto shortRead = [](const std::string& line, const std::string& name) {
        const std::string head = name + ": only ";
        const std::string tail = " s of 20.0 s could be read";
        return line.size() == head.size() + 3 + tail.size() && line.starts_with(head) && line.ends_with(tail)
            && line[head.size()] >= '4' && line[head.size()] <= '8' && line[head.size() + 1] == '.'
            && std::isdigit(static_cast<unsigned char>(line[head.size() + 2]));
    };
    const std::string intro = "message warning Convert: 2 files were converted with warnings:\n\n";
    ASSERT_TRUE(report.starts_with(intro)) << report;
    const std::string rest = report.substr(intro.size());
    const std::size_t newline = rest.find('\n');
    ASSERT_NE(newline, std::string::npos) << report;
    EXPECT_TRUE(shortRead(rest.substr(0, newline), "short.mp3")) << report;
    EXPECT_TRUE(shortRead(rest.substr(newline + 1), "clipped.flac")) << report;
    // What there was of them is converted all the same, and the whole input says nothing.
    EXPECT_TRUE(fs::exists(host.folder + "/short00000.mp3"));
    EXPECT_TRUE(fs::exists(host.folder + "/clipped00000.mp3"));
    EXPECT_EQ(report.find("tone_wav"), std::string::npos);
    EXPECT_EQ(test::readFile(cut[0]), cutMp3);
}

TEST_F(EndToEnd, RefusedSettingsAreReportedWithTheConvertersReason)
{
    host.rate = "12050";
    host.queue = {host.queue[0], host.queue[1]};
    runBatch();
    EXPECT_EQ(host.caption, "Done, 2 failed.");
    EXPECT_EQ(host.calls.back(),
              "message warning Convert: 2 files were not converted:\n\n"
              "tone_mp3.mp3: Specified sample rate 12050 is not supported\n"
              "tone_flac.flac: Specified sample rate 12050 is not supported");
}

TEST_F(EndToEnd, MissingOutputFolderAndUnreadableInputAreReported)
{
    host.folder = dir / "no/such/folder";
    const std::string notMedia = dir / "notes.mp3";
    test::writeFile(notMedia, "these are no sounds\n");
    host.queue = {host.queue[2], notMedia};
    runBatch();
    EXPECT_EQ(host.caption, "Done, 2 failed.");
    const std::string report = host.calls.back();
    EXPECT_NE(report.find("\ntone_wav.wav: Failed to open segment '" + host.folder + "/tone_wav00000.mp3'"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("\nnotes.mp3: "), std::string::npos) << report;
    EXPECT_EQ(test::readFile(notMedia), "these are no sounds\n");
}

} // namespace
} // namespace brisquel
