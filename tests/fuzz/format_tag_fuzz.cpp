// The "Format" column for any file name, valid UTF-8 or not.

#include "fuzz_support.h"
#include "input/format_tag.h"
#include "input/utf8_text.h"

#include <algorithm>

using namespace brisquel;

namespace {

bool isLower(char c)
{
    return c >= 'a' && c <= 'z';
}

// The tag byte is the name's own byte, a lower-case letter of it upper-cased.
bool tagByteOf(char tagByte, char nameByte)
{
    return tagByte == (isLower(nameByte) ? nameByte - 'a' + 'A' : nameByte);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view source = fuzzText(data, size);
    const std::string tag = formatTag(source);
    fuzzCheck(std::none_of(tag.begin(), tag.end(), isLower), "the tag is upper case");
    const std::string_view tail = lastCharacters(source, tag == "FLAC" ? 4 : 3);
    fuzzCheck(std::equal(tag.begin(), tag.end(), tail.begin(), tail.end(), tagByteOf),
              "the tag is the last three characters upper-cased, or FLAC for the last four");
    fuzzCheck(formatTag(tag) == tag, "a tag is its own tag");
    return 0;
}
