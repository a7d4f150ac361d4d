#include "settings/settings_field_reader.h"

#include <gtest/gtest.h>

namespace brisquel {
namespace {

TEST(SettingsFieldReaderTest, TheFieldAtTheStartOfALine)
{
    const struct
    {
        const char* line;
        const char* field;
    } cases[] = {
        {"\"7\"", "7"},
        {" \t\"a, b c\" , rest", "a, b c"},
        {"\"\"", ""},
        {"\"unterminated", "unterminated"},
        {"\"my\"dir\"", "my"},
        {"12  ", "12"},
        {"  12 , 13", "12"},
        {"7.5\t", "7.5\t"},
        {"a\"b", "a\"b"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readField(c.line), c.field) << c.line;
}

TEST(SettingsFieldReaderTest, EachFieldIsReadFromItsOwnLine)
{
    SettingsFieldReader reader("\"a\"x,\"b\"\r\nc\nd\r\r\n\"e");
    for (const char* expected : {"a", "c", "d", "", "e"})
        EXPECT_EQ(reader.next(), expected);
    EXPECT_EQ(reader.next(), std::nullopt);

    SettingsFieldReader empty("");
    EXPECT_EQ(empty.next(), std::nullopt);
    SettingsFieldReader oneLine("1\r\n");
    EXPECT_EQ(oneLine.next(), "1");
    EXPECT_EQ(oneLine.next(), std::nullopt);
}

} // namespace
} // namespace brisquel
