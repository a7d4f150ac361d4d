#include "settings/whole_number.h"

#include "engine/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace brisquel {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t skipBlanks(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    return pos;
}

std::size_t skipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

// The length of the decimal number at the start of `text`: a sign, digits with an optional
// fraction, an optional exponent. 0 when there is none; "inf" and "nan" are no numbers here.
std::size_t numberLength(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t intStart = pos;
    pos = skipDigits(text, pos);
    bool digits = pos > intStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fractionStart = pos + 1;
        const std::size_t fractionEnd = skipDigits(text, fractionStart);
        if (digits || fractionEnd > fractionStart) {
            digits = true;
            pos = fractionEnd;
        }
    }
    if (!digits)
        return 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            pos = exponentEnd;
    }
    return pos;
}

std::optional<double> parsedValue(std::string_view number)
{
    // from_chars takes no plus sign.
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::nullopt;
    return value;
}

std::optional<double> rounded(std::optional<double> value)
{
    if (value)
        *value = roundHalfEven(*value);
    return value;
}

} // namespace

// One rounding rule for the whole program: the settings files and the converter's output.
double roundHalfEven(double value)
{
    return RoundHalfEven(value);
}

std::optional<double> strictRoundedNumber(std::string_view text)
{
    const std::size_t start = skipBlanks(text, 0);
    const std::size_t length = numberLength(text.substr(start));
    if (length == 0 || skipBlanks(text, start + length) != text.size())
        return std::nullopt;
    return rounded(parsedValue(text.substr(start, length)));
}

std::optional<double> leadingNumber(std::string_view text)
{
    const std::size_t start = skipBlanks(text, 0);
    const std::size_t length = numberLength(text.substr(start));
    if (length == 0)
        return 0.0;
    return parsedValue(text.substr(start, length));
}

std::optional<double> leadingRoundedNumber(std::string_view text)
{
    return rounded(leadingNumber(text));
}

} // namespace brisquel
