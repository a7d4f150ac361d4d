#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisquel {

// Reads a plain decimal number: optional sign, digits with an optional "." fraction, an
// optional exponent, white space around it allowed. No locale, no hexadecimal, no "inf".
std::optional<double> ParseNumber(std::string_view text);

// Rounds to the nearest whole number; a half goes to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

// Rounds to `digits` significant decimal digits (so 28.999999999999996 becomes 29 at 15).
double RoundSignificant(double value, int digits = 15);

// `value` in plain decimal notation: no exponent, "." as the point, a "0" before the point
// below 1, at most `digits` significant digits, no trailing zeros and no trailing point.
std::string PlainDecimal(double value, int digits = 15);

} // namespace brisquel
