#include "input/format_tag.h"

#include "input/utf8_text.h"

namespace brisquel {
namespace {

std::string upperAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

} // namespace

std::string formatTag(std::string_view source)
{
    if (upperAscii(lastCharacters(source, 4)) == "FLAC")
        return "FLAC";
    return upperAscii(lastCharacters(source, 3));
}

} // namespace brisquel
