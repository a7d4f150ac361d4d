// Progress from any chunk of output and any duration: the bar stays inside its frame and
// the caption is a percentage between 0 and 100.

#include "engine/number_text.h"
#include "engine/progress.h"
#include "fuzz_support.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace brisquel;

namespace {

template <typename Value>
Value take(std::string_view& bytes)
{
    Value value{};
    if (bytes.size() >= sizeof value) {
        std::memcpy(&value, bytes.data(), sizeof value);
        bytes.remove_prefix(sizeof value);
    }
    return value;
}

void checkCaption(const std::string& caption, double atMost)
{
    fuzzCheck(caption.size() >= 2 && caption.size() <= 5 && caption.back() == '%', "up to four characters and %");
    const std::string number = caption.substr(0, caption.size() - 1);
    fuzzCheck(number.find_first_not_of("0123456789.") == std::string::npos, "a plain number, never negative");
    fuzzCheck(std::strtod(number.c_str(), nullptr) <= atMost, "the caption never shows more than the percentage");
}

void checkView(const ProgressView& view)
{
    fuzzCheck(view.width >= 0 && view.width <= FullBarWidth, "the bar stays inside its frame");
    checkCaption(view.caption, 100);
    if (view.caption == "100%")
        fuzzCheck(view.width == FullBarWidth, "100% fills the bar");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes = fuzzText(data, size);
    const auto flags = take<std::uint8_t>(bytes);
    const auto total = take<int>(bytes);
    const auto cutLength = take<int>(bytes);
    const bool cutterOn = flags & 1;

    int totalSeconds = flags & 2 ? total : 0;
    const int before = totalSeconds;
    if (const auto view = ConversionProgress(bytes, totalSeconds, cutterOn, cutLength))
        checkView(*view);
    if (before != 0)
        fuzzCheck(totalSeconds == before, "a known duration is kept");
    else if (cutterOn)
        fuzzCheck(totalSeconds == cutLength, "the cut length is the duration when the cutter is on");

    checkView(ProgressForTime(total, cutLength));

    // Any percentage below 100 that a run can show.
    const double percent = std::abs(std::fmod(take<double>(bytes), 100.0));
    if (std::isfinite(percent))
        checkCaption(PercentCaption(percent), RoundSignificant(percent));
    return 0;
}
