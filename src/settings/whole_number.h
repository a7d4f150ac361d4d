#pragma once

#include <cmath>
#include <concepts>
#include <limits>
#include <optional>
#include <string_view>

namespace brisquel {

// Halves go to the even neighbour: 0.5 gives 0, 1.5 and 2.5 give 2.
double roundHalfEven(double value);

// The text as a number, rounded: it must be a decimal number and nothing else (spaces
// around it aside); nullopt otherwise.
std::optional<double> strictRoundedNumber(std::string_view text);

// The decimal number the text starts with, as it stands; 0 when it starts with none. nullopt
// only for a number beyond any range.
std::optional<double> leadingNumber(std::string_view text);

// The decimal number the text starts with, rounded; 0 when it starts with none. nullopt only
// for a number beyond any range.
std::optional<double> leadingRoundedNumber(std::string_view text);

template <std::integral Int>
std::optional<Int> fittingWholeNumber(std::optional<double> value)
{
    // Written so that a NaN fails too. The upper bound is 2^digits, exact in a double: max
    // itself rounds up to it for 64-bit types, and converting that value would overflow.
    if (!value || !(*value >= static_cast<double>(std::numeric_limits<Int>::min())
                    && *value < std::ldexp(1.0, std::numeric_limits<Int>::digits)))
        return std::nullopt;
    return static_cast<Int>(*value);
}

// The conversion setup.ini uses: a number that fits `Int` after rounding, or nothing.
template <std::integral Int>
std::optional<Int> strictWholeNumber(std::string_view text)
{
    return fittingWholeNumber<Int>(strictRoundedNumber(text));
}

// The conversion options.ini uses: the leading number (0 when there is none), or nothing
// when it does not fit `Int`.
template <std::integral Int>
std::optional<Int> lenientWholeNumber(std::string_view text)
{
    return fittingWholeNumber<Int>(leadingRoundedNumber(text));
}

} // namespace brisquel
