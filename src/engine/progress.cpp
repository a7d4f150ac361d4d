#include "engine/progress.h"

#include "engine/converter_output.h"
#include "engine/number_text.h"

#include <algorithm>

namespace brisquel {

std::optional<int> DurationFromChunk(std::string_view chunk, const std::function<void()>& step)
{
    const MarkerScan scan = ScanMarker(chunk, DurationMarker, step);
    if (scan.collected.empty())
        return std::nullopt;
    return ReadTimeValue(scan.collected);
}

ProgressView ProgressForTime(int seconds, int totalSeconds)
{
    if (totalSeconds == 0)
        return {FullBarWidth, "100%"};
    const double ratio = std::max(0.0, RoundSignificant(static_cast<double>(std::max(seconds, 0)) / totalSeconds));
    const double percent = RoundSignificant(100 * ratio);
    if (percent >= 100)
        return {FullBarWidth, "100%"};
    return {static_cast<int>(RoundHalfEven(FullBarWidth * ratio)), PercentCaption(percent)};
}

std::string PercentCaption(double percent)
{
    return PlainDecimal(percent).substr(0, 4) + "%";
}

std::optional<ProgressView> ConversionProgress(std::string_view chunk, int& totalSeconds, bool cutterOn,
                                               int cutLengthSeconds)
{
    if (totalSeconds == 0) {
        if (cutterOn)
            totalSeconds = cutLengthSeconds;
        else if (const auto duration = DurationFromChunk(chunk))
            totalSeconds = *duration;
    }
    const MarkerScan scan = ScanMarker(chunk, TimeMarker);
    if (!scan.found)
        return std::nullopt;
    // Newer converters print a negative time ("-00:00:00.05") at the start of some inputs;
    // its hours field reads as -0, so the sign is taken from the text.
    const int seconds = scan.collected.starts_with('-') ? 0 : ReadTimeValue(scan.collected).value_or(0);
    return ProgressForTime(seconds, totalSeconds);
}

int AnimationStep(int width)
{
    return (width >= AnimationRestartWidth ? 1 : width) + AnimationStepWidth;
}

} // namespace brisquel
