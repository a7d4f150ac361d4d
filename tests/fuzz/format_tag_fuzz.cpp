// The "Format" column for any file name, valid UTF-8 or not.

#include "fuzz_support.h"
#include "input/format_tag.h"
#include "input/utf8_text.h"

using namespace brisquel;

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

bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view source = fuzzText(data, size);
    const std::string tag = formatTag(source);
    const std::string upper = upperAscii(source);
    fuzzCheck(endsWith(upper, tag), "the tag is the upper-cased end of the name");
    fuzzCheck(tag.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos, "the tag is upper case");
    if (tag == "FLAC")
        fuzzCheck(endsWith(upper, "FLAC"), "FLAC only for a name ending in flac");
    else
        fuzzCheck(tag == lastCharacters(upper, 3), "otherwise the last three characters");
    return 0;
}
