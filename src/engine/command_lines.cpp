#include "engine/command_lines.h"

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
        return " -y -map_metadata 0 -id3v2_version 3 -vn -ab " + br + "k -ar " + r + " -ac " + ch + " ";
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

std::string ConverterCommand(const std::string& programFolder)
{
    return QuoteArgument(programFolder + PathSeparator + "data" + PathSeparator + "conv.exe");
}

std::string FirstPassCommandLine(const std::string& programFolder, const std::string& input,
                                 const std::string& scratchWav)
{
    return ConverterCommand(programFolder) + " -threads 1 -i " + QuoteArgumentAlways(input) + " "
        + QuoteArgument(scratchWav);
}

std::string ProbeCommandLine(const std::string& programFolder, const std::string& input)
{
    return ConverterCommand(programFolder) + " -i " + QuoteArgumentAlways(input);
}

std::string ScratchProbeCommandLine(const std::string& programFolder, const std::string& scratchWav)
{
    return ConverterCommand(programFolder) + " -i " + QuoteArgument(scratchWav);
}

std::string ConversionCommandLine(const ConversionSettings& settings)
{
    const std::string output = patternLiteral(settings.outputFolder + settings.outputBaseName.value_or(GetBaseName(settings.input))) + "%05d"
        + OutputExtension(settings.formatIndex);
    return ProbeCommandLine(settings.programFolder, settings.input) + SegmentOption(settings.splitSeconds)
        + formatOptions(settings) + QuoteArgumentAlways(output);
}

} // namespace brisquel
