#include "input/code_page.h"
#include "input/windows1252_code_page.h"

#include <gtest/gtest.h>

namespace brisquel {
namespace {

struct NarrowCase
{
    const char* text;
    const char* utf8;
    const char* windows1252;
};

// Each byte of an undecodable sequence becomes one "?", as each would become one U+FFFD.
const NarrowCase NarrowCases[] = {
    {"plain/path song.mp3", "plain/path song.mp3", "plain/path song.mp3"},
    {"caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x93", "caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x93", "caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x93"},
    {"\xce\xa9mega", "\xce\xa9mega", "?mega"},
    {"a\xf0\x9f\x8e\xb5z", "a\xf0\x9f\x8e\xb5z", "a?z"},
    {"bad\xff byte", "bad? byte", "bad? byte"},
    {"\xef\xbf\xbd", "?", "?"},
    {"\xed\xa0\x80", "???", "???"},
    {"\xc0\xaf", "??", "??"},
    {"cut\xe2\x82", "cut??", "cut??"},
    {"\xc2\x81", "\xc2\x81", "?"},
};

TEST(CodePageTest, NarrowingKeepsWhatTheCodePageCarries)
{
    const Windows1252CodePage windows1252;
    for (const NarrowCase& c : NarrowCases) {
        EXPECT_EQ(utf8CodePage().narrow(c.text), c.utf8) << c.text;
        EXPECT_EQ(windows1252.narrow(c.text), c.windows1252) << c.text;
    }
}

} // namespace
} // namespace brisquel
