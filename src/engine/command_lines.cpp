#include "engine/command_lines.h"

#include "engine/converter_output.h"
#include "engine/split_length.h"
#include "input/get_file.h"
#include "process/command_line.h"

#include <algorithm>
#include <cctype>

namespace brisquel {

namespace {

OutputFormat formatAt(int formatIndex)
{
    return formatIndex >= 0 && formatIndex < OutputFormatCount ? static_cast<OutputFormat>(formatIndex)
                                                               : OutputFormat::Mp3;
}

std::string formatOptions(const ConversionSettings& settings)
{
    const std::string& br = settings.bitrateText;
    const std::string& r = settings.rateText;
    const std::string ch = std::to_string(settings.channelIndex + 1);
    switch (formatAt(settings.formatIndex)) {
    case OutputFormat::Mp3:
        // Behind the segment writer the MP3 writer takes the last piece's encoder delay from
        // the encoder's final packet: thousands of samples that players cut from that piece's
        // start. Without the delay header every piece starts at 0, and a constant bitrate
        // states its length exactly.
        return " -y -map_metadata 0 -id3v2_version 3 -vn -ab " + br + "k -ar " + r + " -ac " + ch
            + " -segment_format_options write_xing=0 ";
    case OutputFormat::Wma:
        return " -y -vn -acodec wmav1 ";
    case OutputFormat::Ogg:
        return " -y -vn -ac 2 ";
    case OutputFormat::Wav:
        return " -y -vn -acodec pcm_s16le ";
    case OutputFormat::Flac:
    case OutputFormat::Ac3:
        return " -y -vn ";
    case OutputFormat::Aac:
        return " -y -vn -ab " + br + "k ";
    case OutputFormat::Amr:
        return " -y -vn -ar 8000 -ab 7.4k -ac 1 ";
    case OutputFormat::Mpg:
        return " -y -vn -ab " + br + "k -ar " + r + " -ac " + ch + " ";
    }
    return {};
}

// The segment writer reads the output path as a pattern: a "%" of the folder or the name
// must be doubled to stand for itself.
std::string patternLiteral(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        escaped += c;
        if (c == '%')
            escaped += '%';
    }
    return escaped;
}

std::string outputPattern(const ConversionSettings& settings)
{
    return patternLiteral(settings.outputFolder + settings.outputBaseName.value_or(GetBaseName(settings.input)))
        + "%05d" + OutputExtension(settings.formatIndex);
}

} // namespace

std::string OutputFolder(const std::string& folderText)
{
    return folderText.ends_with(PathSeparator) ? folderText : folderText + PathSeparator;
}

bool IsFlacInput(std::string_view path)
{
    constexpr std::string_view flac = "flac";
    return path.size() >= flac.size()
        && std::equal(flac.begin(), flac.end(), path.end() - flac.size(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

std::string OutputExtension(int formatIndex)
{
    static constexpr const char* extensions[] = {".mp3", ".wma", ".ogg", ".wav", ".flac", ".ac3", ".aac", ".amr", ".mpg"};
    return extensions[static_cast<int>(formatAt(formatIndex))];
}

std::string ConverterCommand(const std::string& programFolder, const std::string& converterName)
{
    return QuoteArgument(programFolder + PathSeparator + "data" + PathSeparator + converterName);
}

std::string FirstPassCommandLine(const std::string& programFolder, const std::string& input,
                                 const std::string& scratchWav, const std::string& converterName)
{
    return ConverterCommand(programFolder, converterName) + " -threads 1 -i " + QuoteArgumentAlways(input) + " "
        + QuoteArgument(scratchWav);
}

std::string ProbeCommandLine(const std::string& programFolder, const std::string& input,
                             const std::string& converterName)
{
    return ConverterCommand(programFolder, converterName) + " -i " + QuoteArgumentAlways(input);
}

std::string ScratchProbeCommandLine(const std::string& programFolder, const std::string& scratchWav,
                                    const std::string& converterName)
{
    return ConverterCommand(programFolder, converterName) + " -i " + QuoteArgument(scratchWav);
}

std::string ConversionCommandLine(const ConversionSettings& settings)
{
    return ProbeCommandLine(settings.programFolder, settings.input, settings.converterName) + SegmentOption(settings.splitSeconds)
        + formatOptions(settings) + QuoteArgumentAlways(outputPattern(settings));
}

std::string_view CopyCodec(int formatIndex)
{
    switch (formatAt(formatIndex)) {
    case OutputFormat::Mp3: return "mp3";
    case OutputFormat::Wma: return "wmav1";
    case OutputFormat::Ogg: return "vorbis";
    case OutputFormat::Wav: return "pcm_s16le";
    case OutputFormat::Ac3: return "ac3";
    case OutputFormat::Amr: return "amr_nb";
    case OutputFormat::Mpg: return "mp2";
    case OutputFormat::Flac:
    case OutputFormat::Aac: break;
    }
    return {};
}

std::vector<int> CopySplitPoints(double durationSeconds, int splitSeconds)
{
    std::vector<int> points;
    if (splitSeconds <= 0)
        return points;
    for (long long at = splitSeconds; at <= durationSeconds - 1 && at <= NoSplitSeconds; at += splitSeconds) {
        if (points.size() == MaxCopySplitPoints + 1)
            break;
        points.push_back(static_cast<int>(at));
    }
    return points;
}

std::optional<std::string> StreamCopyCommandLine(const ConversionSettings& settings, std::string_view probeOutputs)
{
    const std::string_view codec = CopyCodec(settings.formatIndex);
    const auto duration = ProbedDuration(probeOutputs);
    if (IsFlacInput(settings.input) || codec.empty() || AudioCodec(probeOutputs) != codec || !duration)
        return std::nullopt;
    const std::vector<int> points = CopySplitPoints(*duration, settings.splitSeconds);
    if (points.size() > MaxCopySplitPoints)
        return std::nullopt;

    // SegmentOption already asks for each piece to start at 0, as a file of its own would.
    std::string segments;
    if (points.empty()) {
        segments = SegmentOption(NoSplitSeconds);
    } else {
        segments = " -f segment -segment_times ";
        for (const int point : points)
            segments += std::to_string(point) + (point == points.back() ? "" : ",");
        segments += " -reset_timestamps 1";
    }

    std::string format;
    if (formatAt(settings.formatIndex) == OutputFormat::Mp3)
        // The header that states a piece's frame count also tells players to skip the
        // encoder delay; a piece cut from the middle would then lose its first tenth of a
        // second (4096 samples) for good. Without it nothing is skipped, and the length is
        // read from the bitrate, exact for constant-bitrate files.
        format = " -map_metadata 0 -id3v2_version 3 -segment_format_options write_xing=0";
    else if (formatAt(settings.formatIndex) == OutputFormat::Mpg)
        // The program stream's default half second of preload would start every piece at
        // 0.5 s; 50 ms is still enough for the buffer at the highest MP2 bitrate.
        format = " -segment_format_options preload=50000";
    return ProbeCommandLine(settings.programFolder, settings.input, settings.converterName) + " -map 0:a:0 -c copy" + segments + " -y"
        + format + " " + QuoteArgumentAlways(outputPattern(settings));
}

std::string FlacPieceTemporary(const std::string& piece)
{
    return piece + ".part";
}

std::string FlacPiecesCommandLine(const std::string& programFolder, const std::vector<std::string>& pieces,
                                  const std::string& converterName)
{
    std::string command = ConverterCommand(programFolder, converterName);
    for (const std::string& piece : pieces)
        command += " -i " + QuoteArgumentAlways(piece);
    // Each piece keeps its own tags; by default every output would take the first input's.
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::string n = std::to_string(i);
        command += " -map " + n + ":a -map_metadata " + n + " -y -f flac " + QuoteArgumentAlways(FlacPieceTemporary(pieces[i]));
    }
    return command;
}

} // namespace brisquel
