// The converter's output as it may arrive: any bytes, cut anywhere. The marker scan, the
// time value and the error line must hold their contracts on all of it.

#include "engine/converter_output.h"
#include "fuzz_support.h"

#include <cstdio>
#include <cstring>

using namespace brisquel;

namespace {

void checkScan(std::string_view chunk, std::string_view marker)
{
    std::size_t steps = 0;
    const MarkerScan scan = ScanMarker(chunk, marker, [&] { ++steps; });
    // A marker counts only with at least one character after it.
    const bool occurs = !chunk.empty() && contains(chunk.substr(0, chunk.size() - 1), marker);
    fuzzCheck(scan.found == occurs, "found exactly when the marker occurs before the last character");
    fuzzCheck(scan.found || scan.collected.empty(), "nothing collected without a marker");
    fuzzCheck(!contains(scan.collected, " "), "a collected value stops at a space");
    const std::size_t positions = chunk.size() > marker.size() ? chunk.size() - marker.size() : 0;
    fuzzCheck(steps == positions + scan.collected.size(), "one step per position and per collected character");
    if (scan.found) {
        const char after = chunk[chunk.find(marker) + marker.size()];
        fuzzCheck(after == ' ' ? true : !scan.collected.empty() && scan.collected.front() == after,
                  "the value starts right after the first marker");
    }
    ReadTimeValue(scan.collected);
}

// ffmpeg writes times as HH:MM:SS.cc; any such time reads as its seconds, half to even.
void checkTimeRoundTrip(std::uint32_t centiseconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u.%02u", centiseconds / 360000, centiseconds / 6000 % 60,
                  centiseconds / 100 % 60, centiseconds % 100);
    const std::uint32_t whole = centiseconds / 100;
    const std::uint32_t rest = centiseconds % 100;
    const std::uint32_t expected = rest > 50 || (rest == 50 && whole % 2 == 1) ? whole + 1 : whole;
    fuzzCheck(ReadTimeValue(text) == static_cast<int>(expected), "HH:MM:SS.cc reads as its seconds");
}

void checkErrorLine(std::string_view outputs)
{
    const std::string line = ConverterErrorLine(outputs);
    fuzzCheck(line.find_first_of("\r\n") == std::string::npos, "the error line is one line");
    fuzzCheck(line != "Conversion failed!", "the closing line is never chosen");
    fuzzCheck(contains(outputs, line), "the error line is text of the output");
    fuzzCheck(line.empty() || (line.front() != ' ' && line.back() != ' '), "the error line is trimmed");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view chunk = fuzzText(data, size);
    checkScan(chunk, DurationMarker);
    checkScan(chunk, TimeMarker);
    ReadTimeValue(chunk);
    checkErrorLine(chunk);
    if (size >= sizeof(std::uint32_t)) {
        std::uint32_t centiseconds = 0;
        std::memcpy(&centiseconds, data, sizeof centiseconds);
        checkTimeRoundTrip(centiseconds);
    }
    return 0;
}
