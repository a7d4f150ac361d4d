// Reading a probe's stream line and duration, and the stream-copy command line built from
// them, as plain tables over the converter's own wording.
#include "engine/command_lines.h"
#include "engine/converter_output.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace brisquel {
namespace {

// What the converter prints when asked to describe an MP3 with tags and a cover.
const std::string Mp3Probe = "Input #0, mp3, from '/music/a.b.mp3':\n"
                             "  Metadata:\n"
                             "    title           : Stream #1: Audio: vorbis, or so\n"
                             "  Duration: 00:01:00.04, start: 0.025057, bitrate: 128 kb/s\n"
                             "  Stream #0:0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\n"
                             "  Stream #0:1: Video: mjpeg (Baseline), yuvj420p(pc), 300x300, 90k tbr (attached pic)\n"
                             "At least one output file must be specified\n";

struct CodecCase
{
    const char* name;
    std::string outputs;
    std::string codec;
};

void PrintTo(const CodecCase& c, std::ostream* out) { *out << c.name; }

class Codec : public testing::TestWithParam<CodecCase> {};

TEST_P(Codec, IsTheFirstAudioStreamsFirstWord)
{
    EXPECT_EQ(AudioCodec(GetParam().outputs), GetParam().codec);
}

INSTANTIATE_TEST_SUITE_P(
    ProbeOutput, Codec,
    testing::Values(
        CodecCase{"TagsAndCoverAreNotStreamsOfSound", Mp3Probe, "mp3"},
        CodecCase{"ProfileInBrackets", "  Stream #0:0(und): Audio: aac (LC) (mp4a / 0x6134706D), 44100 Hz\n", "aac"},
        CodecCase{"TagInBrackets", "  Stream #0:0: Audio: amr_nb (samr / 0x726D6173), 8000 Hz, mono\n", "amr_nb"},
        CodecCase{"StreamIdInBrackets", "  Stream #0:0[0x1c0]: Audio: mp2, 44100 Hz, mono, s16p, 384 kb/s\n", "mp2"},
        CodecCase{"VideoFirstThenTwoSounds",
                  "  Stream #0:0: Video: h264\n  Stream #0:1: Audio: ac3, 48000 Hz\n  Stream #0:2: Audio: mp3, 44100 Hz\n",
                  "ac3"},
        CodecCase{"LineCutAtTheEnd", "  Stream #0:0: Audio: pcm_s16le", "pcm_s16le"},
        CodecCase{"NoSound", "  Stream #0:0: Video: mjpeg\n", ""},
        CodecCase{"NothingReadable", "/music/x.mp3: Invalid data found when processing input\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProbeOutput, DurationToTheHundredth)
{
    const std::pair<std::string, std::optional<double>> cases[] = {
        {Mp3Probe, 60.04},
        {"  Duration: 01:02:03.50, bitrate: 8 kb/s\n", 3723.5},
        {"  Duration: N/A, start: 0.000000, bitrate: N/A\n", std::nullopt},
        {"    comment         : Duration: 00:00:09.00\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [outputs, expected] : cases) {
        const auto seconds = ProbedDuration(outputs);
        ASSERT_EQ(seconds.has_value(), expected.has_value()) << outputs;
        if (expected) {
            EXPECT_NEAR(*seconds, *expected, 1e-9) << outputs;
        }
    }
}

TEST(CopySplit, NoPieceIsShorterThanOneSecondUnlessTheFileIs)
{
    struct Case
    {
        double duration;
        int split;
        std::vector<int> points;
    };
    const Case cases[] = {
        {60.04, 30, {30}},          // 30 + 30.04, not 30 + 30 + 0.04
        {61.0, 30, {30, 60}},       // a tail of exactly one second stays a piece
        {60.99, 30, {30}},
        {65.0, 30, {30, 60}},
        {30.5, 30, {}},             // shorter than a piece and a second: one piece
        {0.4, 30, {}},
        {3.5, 1, {1, 2}},
        {100.0, 0, {}},             // no split length: one piece
        {100.0, -5, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CopySplitPoints(c.duration, c.split), c.points) << c.duration << " / " << c.split;
    EXPECT_EQ(CopySplitPoints(1e9, 1).size(), MaxCopySplitPoints + 1) << "the count is bounded";
}

ConversionSettings settings(int format, std::string input = "/music/a.b.mp3")
{
    ConversionSettings s;
    s.programFolder = "/opt/brisquel";
    s.input = std::move(input);
    s.outputFolder = OutputFolder("/home/u/output");
    s.formatIndex = format;
    s.bitrateText = "320";
    s.rateText = "22050";
    s.channelIndex = 0;
    s.splitSeconds = 30;
    return s;
}

std::string probe(const std::string& codec, const std::string& duration = "00:01:00.04")
{
    return "  Duration: " + duration + ", start: 0.000000, bitrate: 128 kb/s\n  Stream #0:0: Audio: " + codec
        + ", 44100 Hz, stereo\n";
}

struct CopyCase
{
    const char* name;
    ConversionSettings settings;
    std::string probe;
    std::optional<std::string> expected;
};

void PrintTo(const CopyCase& c, std::ostream* out) { *out << c.name; }

class CopyLine : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyLine, IsExactOrAbsent)
{
    EXPECT_EQ(StreamCopyCommandLine(GetParam().settings, GetParam().probe), GetParam().expected);
}

const std::string Copy = "/opt/brisquel/data/conv.exe -i \"/music/a.b.mp3\" -map 0:a:0 -c copy";

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CopyLine,
    testing::Values(
        // Bitrate, rate and channels are the file's own; the tags go across as in a conversion.
        CopyCase{"Mp3CarriesItsTags", settings(0), Mp3Probe,
                 Copy + " -f segment -segment_times 30 -reset_timestamps 1 -y -map_metadata 0 -id3v2_version 3"
                        " -segment_format_options write_xing=0 \"/home/u/output/a.b%05d.mp3\""},
        CopyCase{"WavLongerFile", settings(3), probe("pcm_s16le", "00:02:05.00"),
                 Copy + " -f segment -segment_times 30,60,90,120 -reset_timestamps 1 -y \"/home/u/output/a.b%05d.wav\""},
        CopyCase{"MpgStartsItsPiecesAtZero", settings(8), probe("mp2"),
                 Copy + " -f segment -segment_times 30 -reset_timestamps 1 -y -segment_format_options preload=50000"
                        " \"/home/u/output/a.b%05d.mpg\""},
        CopyCase{"ShorterThanAPieceAndASecond", settings(2), probe("vorbis", "00:00:30.90"),
                 Copy + " -f segment -segment_time 2147483647 -reset_timestamps 1 -y \"/home/u/output/a.b%05d.ogg\""},
        CopyCase{"AnotherCodecIsConverted", settings(0), probe("mp2"), std::nullopt},
        CopyCase{"WmaOfTheOtherVersionIsConverted", settings(1), probe("wmav2"), std::nullopt},
        CopyCase{"AacIsConverted", settings(6), probe("aac"), std::nullopt},
        CopyCase{"FlacIsConverted", settings(4, "/music/a.flac"), probe("flac"), std::nullopt},
        // A FLAC input's probe describes the scratch WAV, not the input.
        CopyCase{"FlacInputToWavIsConverted", settings(3, "/music/a.FLAC"), probe("pcm_s16le"), std::nullopt},
        CopyCase{"WithoutADurationIsConverted", settings(0), "  Stream #0:0: Audio: mp3, 44100 Hz\n", std::nullopt},
        CopyCase{"NoSoundIsConverted", settings(0), "  Duration: 00:01:00.04\n", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace brisquel
