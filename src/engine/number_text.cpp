#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace brisquel {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Length of the number's grammar at the start of `text`, 0 when it is not one.
std::size_t numberLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        const std::size_t expStart = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > expStart)
            i = j;
    }
    return i;
}

} // namespace

std::optional<double> ParseNumber(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    const std::size_t length = numberLength(text);
    if (length == 0 || length != text.size())
        return std::nullopt;
    // from_chars takes no leading "+".
    const bool minus = text.front() == '-';
    if (text.front() == '+' || minus)
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return minus ? -value : value;
}

double RoundHalfEven(double value)
{
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest < 0.5)
        return down;
    if (rest > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

double RoundSignificant(double value, int digits)
{
    if (value == 0 || !std::isfinite(value))
        return value;
    // to_chars rounds the decimal expansion correctly and, unlike printf, ignores the
    // locale; reading it back gives the nearest double.
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, digits - 1);
    double result = value;
    std::from_chars(text, written.ptr, result);
    return result;
}

std::string PlainDecimal(double value, int digits)
{
    if (value == 0 || !std::isfinite(value))
        return "0";
    const double rounded = RoundSignificant(value, digits);
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    const int decimals = std::max(0, digits - 1 - exponent);
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, decimals);
    if (written.ec != std::errc())
        return "0";
    std::string result(text, written.ptr);
    if (result.find('.') != std::string::npos) {
        while (result.back() == '0')
            result.pop_back();
        if (result.back() == '.')
            result.pop_back();
    }
    return result;
}

} // namespace brisquel
