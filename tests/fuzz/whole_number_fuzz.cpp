// The strict (setup.ini) and lenient (options.ini) conversions on any text, and rounding
// half to even on any finite double.

#include "engine/number_text.h"
#include "fuzz_support.h"
#include "settings/whole_number.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

using namespace brisquel;

namespace {

void checkRounding(double value)
{
    if (!std::isfinite(value))
        return;
    const double rounded = roundHalfEven(value);
    fuzzCheck(std::floor(rounded) == rounded, "the rounded value is whole");
    fuzzCheck(rounded - value <= 0.5 && value - rounded <= 0.5, "the rounded value is the nearest");
    if (std::fabs(rounded - value) == 0.5)
        fuzzCheck(std::fmod(rounded, 2.0) == 0, "a half goes to the even neighbour");
    // The engine rounds times with its own function; both must agree.
    fuzzCheck(RoundHalfEven(value) == rounded, "both roundings agree");
}

// Whether a whole number fits `Int`; 2^digits is exact in a double where max is not.
template <typename Int>
bool fits(double value)
{
    return value >= static_cast<double>(std::numeric_limits<Int>::min())
        && value < std::ldexp(1.0, std::numeric_limits<Int>::digits);
}

template <typename Int>
void checkWholeNumbers(std::string_view text, std::optional<double> strict, std::optional<double> leading)
{
    const auto strictWhole = strictWholeNumber<Int>(text);
    fuzzCheck(strictWhole.has_value() == (strict && fits<Int>(*strict)), "strict: a number is given iff it fits");
    if (strictWhole)
        fuzzCheck(static_cast<double>(*strictWhole) == *strict, "strict: the number is the rounded value");

    const auto lenientWhole = lenientWholeNumber<Int>(text);
    fuzzCheck(lenientWhole.has_value() == (leading && fits<Int>(*leading)), "lenient: a number is given iff it fits");
    if (lenientWhole)
        fuzzCheck(static_cast<double>(*lenientWhole) == *leading, "lenient: the number is the rounded value");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzzText(data, size);

    const auto strict = strictRoundedNumber(text);
    const auto leading = leadingRoundedNumber(text);
    if (strict) {
        fuzzCheck(std::isfinite(*strict) && std::floor(*strict) == *strict, "strict: a whole finite number");
        fuzzCheck(leading == strict, "a strict number is also the leading number");
    }
    if (leading)
        fuzzCheck(std::isfinite(*leading) && std::floor(*leading) == *leading, "lenient: a whole finite number");

    checkWholeNumbers<std::int16_t>(text, strict, leading);
    checkWholeNumbers<int>(text, strict, leading);
    checkWholeNumbers<long long>(text, strict, leading);
    checkWholeNumbers<unsigned>(text, strict, leading);

    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        checkRounding(value);
    }
    return 0;
}
