#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisquel {

// The output formats in the order of the format choice.
enum class OutputFormat { Mp3, Wma, Ogg, Wav, Flac, Ac3, Aac, Amr, Mpg };
inline constexpr int OutputFormatCount = 9;

// What one file's conversion command is built from, read from the window for that file.
struct ConversionSettings
{
    std::string programFolder; // holds data/conv.exe
    std::string input;
    std::string outputFolder;  // as OutputFolder gives it
    int formatIndex = 0;       // a position outside the list counts as MP3
    std::string bitrateText;   // kbit/s
    std::string rateText;      // Hz
    int channelIndex = 1;      // 0 mono, 1 stereo
    int splitSeconds = 30;
    // The base name the segments are written under when it is not the input's own (two
    // inputs of one batch would write the same names).
    std::optional<std::string> outputBaseName;
};

// The output folder text with the separator appended when it does not end with one.
std::string OutputFolder(const std::string& folderText);

// Whether the path ends with "flac" in any case.
bool IsFlacInput(std::string_view path);

// The output extension of a format position, with its dot (".mp3").
std::string OutputExtension(int formatIndex);

// The converter, quoted only when its path holds a space or a quote.
std::string ConverterCommand(const std::string& programFolder);

// Decodes a FLAC input into the scratch WAV file, for the duration probe.
std::string FirstPassCommandLine(const std::string& programFolder, const std::string& input,
                                 const std::string& scratchWav);

// Makes the converter describe `input` (a queue path), and so print its duration.
std::string ProbeCommandLine(const std::string& programFolder, const std::string& input);

// The probe of a FLAC input, on the scratch WAV of its first pass.
std::string ScratchProbeCommandLine(const std::string& programFolder, const std::string& scratchWav);

// Converts the input into numbered segments: outputFolder + base name + five digits +
// the format's extension.
std::string ConversionCommandLine(const ConversionSettings& settings);

} // namespace brisquel
