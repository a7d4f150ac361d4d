#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisquel {

// The output formats in the order of the format choice.
enum class OutputFormat { Mp3, Wma, Ogg, Wav, Flac, Ac3, Aac, Amr, Mpg };
inline constexpr int OutputFormatCount = 9;

// The converter's file name under the program folder's data folder: the image name the
// window's converters run under.
inline constexpr const char* DefaultConverterName = "conv.exe";

// What one file's conversion command is built from, read from the window for that file.
struct ConversionSettings
{
    std::string programFolder; // holds data/conv.exe
    std::string converterName = DefaultConverterName; // under programFolder/data
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
std::string ConverterCommand(const std::string& programFolder, const std::string& converterName = DefaultConverterName);

// Decodes a FLAC input into the scratch WAV file, for the duration probe.
std::string FirstPassCommandLine(const std::string& programFolder, const std::string& input,
                                 const std::string& scratchWav, const std::string& converterName = DefaultConverterName);

// Makes the converter describe `input` (a queue path), and so print its duration.
std::string ProbeCommandLine(const std::string& programFolder, const std::string& input,
                             const std::string& converterName = DefaultConverterName);

// The probe of a FLAC input, on the scratch WAV of its first pass.
std::string ScratchProbeCommandLine(const std::string& programFolder, const std::string& scratchWav,
                                    const std::string& converterName = DefaultConverterName);

// Converts the input into numbered segments: outputFolder + base name + five digits +
// the format's extension.
std::string ConversionCommandLine(const ConversionSettings& settings);

// FLAC pieces renewed by one run of FlacPiecesCommandLine: fewer runs save the converter's
// start-up, more inputs at once cost memory.
inline constexpr int FlacPiecesPerRun = 8;

// Where FlacPiecesCommandLine writes a piece's new copy, beside it so a rename replaces it.
std::string FlacPieceTemporary(const std::string& piece);

// Encodes every FLAC piece afresh from its own decoded audio into FlacPieceTemporary(piece).
// The segment writer keeps one encoder for the whole input, so a piece's frames go on
// counting from the previous piece and its STREAMINFO states no length; a new encoder per
// piece gets both right, and FLAC to FLAC loses nothing.
std::string FlacPiecesCommandLine(const std::string& programFolder, const std::vector<std::string>& pieces,
                                  const std::string& converterName = DefaultConverterName);

// The codec a format's conversion writes, when a file already in it may be cut by stream
// copy; empty for FLAC (re-encoding it is lossless already) and for AAC (its raw stream
// states no length, so a piece's duration would be a guess).
std::string_view CopyCodec(int formatIndex);

// Where a copy split cuts a file of `durationSeconds`: every multiple of the split length that
// leaves at least one second after it, so the last piece takes up what a shorter tail would
// have held. None when the split length is 0 or less, or the file no longer than it.
std::vector<int> CopySplitPoints(double durationSeconds, int splitSeconds);

// More cut points than this would make an argument longer than the system passes.
inline constexpr std::size_t MaxCopySplitPoints = 10000;

// Cuts the input's first audio stream into the same numbered segments as the conversion,
// by stream copy: the settings' bitrate, rate and channels are ignored. Nothing when the
// file is to be converted as usual: a FLAC input (its probe describes the scratch WAV), a
// codec other than the format's CopyCodec, or no probed duration to place the cuts by.
std::optional<std::string> StreamCopyCommandLine(const ConversionSettings& settings, std::string_view probeOutputs);

} // namespace brisquel
