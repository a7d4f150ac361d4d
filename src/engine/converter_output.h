#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace brisquel {

inline constexpr std::string_view DurationMarker = "Duration: ";
inline constexpr std::string_view TimeMarker = "time=";

struct MarkerScan
{
    bool found = false;
    // The text after every occurrence up to the next space or the chunk's end, the later
    // occurrences appended behind the first.
    std::string collected;
};

// Looks for `marker` at every start position that leaves at least one character after it,
// so a marker ending at the chunk's last character is not found. `step`, when set, runs
// after every examined position and every collected character.
MarkerScan ScanMarker(std::string_view chunk, std::string_view marker, const std::function<void()>& step = {});

// Reads "HH:MM:SS.cc" (commas skipped, more fields ignored) as seconds, unrounded; nothing
// when there are fewer than three fields or a field is not a number.
std::optional<double> ReadTimeSeconds(std::string_view collected);

// Reads "HH:MM:SS.cc" (commas skipped, more fields ignored) as whole seconds, half to even;
// nothing when there are fewer than three fields, a field is not a number, or the value
// does not fit an int.
std::optional<int> ReadTimeValue(std::string_view collected);

// The line of a failed run's output that best says why it failed: the converter's last
// component message ("[libmp3lame @ 0x...] ...", tag removed) after the last progress
// line, else the last line there; the closing "Conversion failed!" is never chosen.
// Empty when the output holds no such line.
std::string ConverterErrorLine(std::string_view outputs);

// The input's length as the probe states it on its "Duration: " line, to the hundredth;
// nothing when the line is missing or says "N/A".
std::optional<double> ProbedDuration(std::string_view outputs);

// The codec of the first audio stream the probe describes: "mp3" for the line
// "Stream #0:0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s"; empty when it describes none.
std::string AudioCodec(std::string_view outputs);

// The converter's line saying that the end of an output could not be written ("Error
// writing trailer of ...: No space left on device"), empty when there is none. The
// converter exits with 0 all the same, and the segment it was writing is cut short.
std::string OutputWriteError(std::string_view outputs);

} // namespace brisquel
