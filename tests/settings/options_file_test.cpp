#include "settings/option_values.h"
#include "settings/options_file.h"

#include "option_values_snapshot.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace brisquel {
namespace {

using test::current;
using test::setValues;
using test::Values;

class OptionsFileTest : public ::testing::Test
{
protected:
    void TearDown() override { setValues({0, 0, 0, 0}); }
    test::TempDir m_dir;
};

TEST_F(OptionsFileTest, AllZeroUntilLoadedAndWithoutAFile)
{
    EXPECT_EQ(current(), (Values {0, 0, 0, 0}));
    setValues({1, 1, 30, 60});
    LoadOptionsFile(m_dir.path());
    EXPECT_EQ(current(), (Values {0, 0, 30, 60}));
}

TEST_F(OptionsFileTest, SavedAsBareNumbersAndReadBack)
{
    setValues({0, 1, 90, 120});
    SaveOptionsFile(m_dir.path());
    EXPECT_EQ(test::readFile(m_dir / "options.ini"), "0\r\n1\r\n90\r\n120\r\n");

    setValues({-1, 0, -5, 2147483647});
    SaveOptionsFile(m_dir.path());
    setValues({0, 0, 0, 0});
    LoadOptionsFile(m_dir.path());
    EXPECT_EQ(current(), (Values {-1, 0, -5, 2147483647}));
}

TEST_F(OptionsFileTest, EachLineIsReadAsItsLeadingNumber)
{
    const std::pair<std::string, Values> cases[] = {
        {"1\r\n5\r\n7.5\r\nabc\r\n", {1, 5, 8, 0}},
        {"40000\r\n2.5\r\n1e3\r\n99999999999\r\n", {9, 2, 1000, 9}},
        {"1\r\n", {1, 9, 9, 9}},
        {"\"3\",x\r\n 4 cats\r\n\r\n-6.5\r\n", {3, 4, 0, -6}},
    };
    for (const auto& [bytes, expected] : cases) {
        test::writeFile(m_dir / "options.ini", bytes);
        setValues({9, 9, 9, 9});
        LoadOptionsFile(m_dir.path());
        EXPECT_EQ(current(), expected) << bytes;
    }
}

} // namespace
} // namespace brisquel
