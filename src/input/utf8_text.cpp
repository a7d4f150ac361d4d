#include "input/utf8_text.h"

namespace brisquel {
namespace {

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, smallest = 0x10000;
    } else {
        ++pos;
        return std::nullopt;
    }
    if (text.size() - pos < length) {
        ++pos;
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!isContinuation(byte)) {
            ++pos;
            return std::nullopt;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++pos;
        return std::nullopt;
    }
    pos += length;
    return value;
}

void appendUtf8(std::string& text, char32_t cp)
{
    if (cp < 0x80) {
        text += static_cast<char>(cp);
    } else if (cp < 0x800) {
        text += static_cast<char>(0xC0 | (cp >> 6));
        text += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        text += static_cast<char>(0xE0 | (cp >> 12));
        text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (cp >> 18));
        text += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string_view firstCharacters(std::string_view text, std::size_t count)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < count && pos < text.size(); ++n)
        decodeUtf8(text, pos);
    return text.substr(0, pos);
}

std::string_view lastCharacters(std::string_view text, std::size_t count)
{
    // Counting lead bytes from the end keeps a character whole; text that is not valid
    // UTF-8 still gives some tail, never a crash.
    std::size_t pos = text.size();
    for (std::size_t n = 0; n < count && pos > 0; ++n) {
        --pos;
        while (pos > 0 && isContinuation(static_cast<unsigned char>(text[pos])))
            --pos;
    }
    return text.substr(pos);
}

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string replaceWithSpaces(std::string_view text, std::string_view characters)
{
    std::string result(text);
    for (char& c : result) {
        if (characters.find(c) != std::string_view::npos)
            c = ' ';
    }
    return result;
}

} // namespace brisquel
