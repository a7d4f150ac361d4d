#include "input/format_tag.h"

#include <gtest/gtest.h>

namespace brisquel {
namespace {

TEST(FormatTagTest, FlacOrTheLastThreeCharactersUpperCased)
{
    const struct
    {
        const char* source;
        const char* tag;
    } cases[] = {
        {"/music/a.mp3", "MP3"},
        {"/music/a.flac", "FLAC"},
        {"/music/A.FLAC", "FLAC"},
        {"/music/a.Flac", "FLAC"},
        {"/music/a.m4a", "M4A"},
        {"/music/a.rm", ".RM"},
        {"/music/track", "ACK"},
        {"/music/myflac", "FLAC"},
        {"ab", "AB"},
        {"", ""},
        {"song.mp3 ", "P3 "},
        {"/music/\xc3\xa9t\xc3\xa9", "\xc3\xa9T\xc3\xa9"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatTag(c.source), c.tag) << c.source;
}

} // namespace
} // namespace brisquel
