#include "engine/batch_driver.h"
#include "engine/converter_output.h"
#include "fake_batch_host.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace brisquel {
namespace {

namespace fs = std::filesystem;

using test::runConverter;

// How long the file plays, in whole seconds, as the converter finds by decoding it all:
// the headers of some segment formats carry the whole input's timestamps.
int decodedSeconds(const std::string& path)
{
    const std::string outputs = runConverter({"-i", path, "-f", "null", "-"});
    const auto at = outputs.rfind(TimeMarker);
    if (at == std::string::npos)
        return -1;
    return ReadTimeValue(ScanMarker(outputs.substr(at), TimeMarker).collected).value_or(-1);
}

// Three 65-second tones, made once for the whole suite.
class EndToEnd : public testing::Test
{
public:
    static void SetUpTestSuite()
    {
        s_inputs = std::make_unique<test::TempDir>();
        for (const char* name : {"tone_mp3.mp3", "tone_flac.flac", "tone_wav.wav"}) {
            runConverter({"-f", "lavfi", "-i", "sine=frequency=440:duration=65", "-y", *s_inputs / name});
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
};

class EveryFormat : public EndToEnd, public testing::WithParamInterface<FormatRow>
{
};

TEST_P(EveryFormat, CutsEachInputInto30SecondSegments)
{
    host.format = GetParam().format;
    host.rate = "22050";
    runBatch();
    ASSERT_TRUE(messages.empty()) << messages[0];
    EXPECT_EQ(host.caption, "Done.") << host.calls.back();
    EXPECT_TRUE(host.queue.empty());

    const std::string ext = GetParam().name;
    std::vector<std::string> expected;
    for (const char* base : {"tone_flac", "tone_mp3", "tone_wav"})
        for (const char* number : {"00000", "00001", "00002"})
            expected.push_back(std::string(base) + number + "." + ext);
    ASSERT_EQ(outputNames(), expected);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const int seconds = decodedSeconds(host.folder + "/" + expected[i]);
        EXPECT_NEAR(seconds, i % 3 == 2 ? 5 : 30, 1) << expected[i];
    }
    if (ext == "amr") {
        EXPECT_NE(runConverter({"-i", host.folder + "/tone_wav00000.amr"}).find("8000 Hz, mono"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(host.scratch + "/tmp.wav"));
}

INSTANTIATE_TEST_SUITE_P(Converter, EveryFormat,
                         testing::Values(FormatRow{"mp3", 0}, FormatRow{"wma", 1}, FormatRow{"ogg", 2},
                                         FormatRow{"wav", 3}, FormatRow{"flac", 4}, FormatRow{"ac3", 5},
                                         FormatRow{"aac", 6}, FormatRow{"amr", 7}, FormatRow{"mpg", 8}),
                         [](const testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

// A split length below one second would cut at every packet; it makes one whole file.
TEST_F(EndToEnd, SplitBelowOneSecondWritesOneFile)
{
    host.queue = {host.queue[0]};
    host.split = "0.5";
    runBatch();
    EXPECT_EQ(outputNames(), std::vector<std::string>{"tone_mp300000.mp3"});
    EXPECT_NEAR(decodedSeconds(host.folder + "/tone_mp300000.mp3"), 65, 1);
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
