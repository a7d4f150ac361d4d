#include "engine/short_conversion.h"

#include "engine/converter_output.h"
#include "process/core_text.h"

#include <cstdio>

namespace brisquel {

namespace {

std::optional<double> firstValue(std::string_view outputs, std::string_view marker)
{
    const MarkerScan scan = ScanMarker(outputs, marker);
    return scan.found ? ReadTimeSeconds(scan.collected) : std::nullopt;
}

std::string oneDecimal(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", seconds);
    return text;
}

} // namespace

std::string ShortConversionWarning(std::string_view conversionOutputs)
{
    const auto duration = firstValue(conversionOutputs, DurationMarker);
    // The last progress line tells how far the converter got.
    const auto lastTime = conversionOutputs.rfind(TimeMarker);
    if (!duration || *duration <= 0 || lastTime == std::string_view::npos)
        return {};
    const auto reached = firstValue(conversionOutputs.substr(lastTime), TimeMarker);
    if (!reached || *reached >= ShortConversionShare * *duration)
        return {};
    return FillIn(CoreText("ShortConversion", "only %1 s of %2 s could be read"),
                  {oneDecimal(*reached), oneDecimal(*duration)});
}

} // namespace brisquel
