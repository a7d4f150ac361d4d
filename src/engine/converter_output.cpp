#include "engine/converter_output.h"

#include "engine/number_text.h"

#include <limits>
#include <vector>

namespace brisquel {

MarkerScan ScanMarker(std::string_view chunk, std::string_view marker, const std::function<void()>& step)
{
    MarkerScan scan;
    if (marker.empty() || chunk.size() <= marker.size())
        return scan;
    const std::size_t last = chunk.size() - marker.size();
    for (std::size_t i = 0; i < last; ++i) {
        if (chunk.compare(i, marker.size(), marker) == 0) {
            scan.found = true;
            for (std::size_t j = i + marker.size(); j < chunk.size() && chunk[j] != ' '; ++j) {
                scan.collected += chunk[j];
                if (step)
                    step();
            }
        }
        if (step)
            step();
    }
    return scan;
}

std::optional<int> ReadTimeValue(std::string_view collected)
{
    double parts[3] = {};
    std::size_t start = 0;
    for (double& part : parts) {
        if (start > collected.size())
            return std::nullopt;
        std::size_t end = collected.find(':', start);
        if (end == std::string_view::npos)
            end = collected.size();
        std::string field;
        for (const char c : collected.substr(start, end - start)) {
            if (c != ',')
                field += c;
        }
        const auto value = ParseNumber(field);
        if (!value)
            return std::nullopt;
        part = *value;
        start = end + 1;
    }
    const double seconds = RoundHalfEven(parts[0] * 3600 + parts[1] * 60 + parts[2]);
    // Huge fields of opposite signs add up to NaN, which no comparison rejects but this one.
    if (!(seconds >= std::numeric_limits<int>::min() && seconds <= std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(seconds);
}

namespace {

constexpr std::string_view ClosingLine = "Conversion failed!";

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool isProgressLine(std::string_view line)
{
    return line.find(TimeMarker) != std::string_view::npos
        && (line.starts_with("size=") || line.starts_with("frame="));
}

// "[libmp3lame @ 0x55ec3dd732c0] Specified ..." gives "Specified ..."; other lines nothing.
std::optional<std::string_view> componentMessage(std::string_view line)
{
    if (!line.starts_with('['))
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos || line.substr(0, close).find(" @ ") == std::string_view::npos)
        return std::nullopt;
    const std::string_view message = trimmed(line.substr(close + 1));
    if (message.empty())
        return std::nullopt;
    return message;
}

} // namespace

namespace {

std::string mostTelling(const std::vector<std::string_view>& lines, std::size_t from)
{
    for (std::size_t i = lines.size(); i > from; --i) {
        if (const auto message = componentMessage(lines[i - 1]))
            return std::string(*message);
    }
    return lines.size() > from ? std::string(lines.back()) : std::string();
}

} // namespace

std::string ConverterErrorLine(std::string_view outputs)
{
    // Progress lines end with "\r", messages with "\n".
    std::vector<std::string_view> lines;
    std::size_t afterProgress = 0;
    std::size_t start = 0;
    while (start <= outputs.size()) {
        std::size_t end = outputs.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = outputs.size();
        const std::string_view line = trimmed(outputs.substr(start, end - start));
        start = end + 1;
        // The closing line says only that something failed, also under a component's tag.
        const auto message = componentMessage(line);
        if (line.empty() || line == ClosingLine || (message && *message == ClosingLine))
            continue;
        if (isProgressLine(line))
            afterProgress = lines.size();
        else
            lines.push_back(line);
    }
    // What came after the last progress line tells why the run stopped; earlier lines are
    // the fallback.
    const std::string line = mostTelling(lines, afterProgress);
    return line.empty() ? mostTelling(lines, 0) : line;
}

std::string OutputWriteError(std::string_view outputs)
{
    constexpr std::string_view marker = "Error writing trailer of ";
    for (std::size_t at = outputs.rfind(marker); at != std::string_view::npos;
         at = at == 0 ? std::string_view::npos : outputs.rfind(marker, at - 1)) {
        // Only a line of the converter's own, not a file name that holds the words.
        if (at == 0 || outputs[at - 1] == '\n' || outputs[at - 1] == '\r')
            return std::string(trimmed(outputs.substr(at, outputs.find_first_of("\r\n", at) - at)));
    }
    return {};
}

} // namespace brisquel
