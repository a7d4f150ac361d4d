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
    void TearDown() override
    {
        setValues({0, 0, 0, 0});
        ConversionsAtOnce = DefaultConversionsAtOnce;
        SplitByCopy = false;
    }
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

struct LaterLinesCase
{
    const char* name;
    std::string lines; // after the four lines every file has
    int atOnce;
    bool copy;
};

void PrintTo(const LaterLinesCase& c, std::ostream* out) { *out << c.name; }

class LaterLinesTest : public OptionsFileTest, public testing::WithParamInterface<LaterLinesCase> {};

TEST_P(LaterLinesTest, GiveTheDefaultsWhenMissingOrOutOfRange)
{
    const LaterLinesCase& c = GetParam();
    test::writeFile(m_dir / "options.ini", "1\r\n1\r\n90\r\n120\r\n" + c.lines);
    // What an earlier load left must not survive a file that lacks the lines.
    ConversionsAtOnce = 7;
    SplitByCopy = true;
    LoadOptionsFile(m_dir.path());
    EXPECT_EQ(current(), (Values{1, 1, 90, 120}));
    EXPECT_EQ(ConversionsAtOnce, c.atOnce);
    EXPECT_EQ(SplitByCopy, c.copy);
}

INSTANTIATE_TEST_SUITE_P(
    OptionsFile, LaterLinesTest,
    testing::Values(LaterLinesCase{"FourLines", "", 1, false}, LaterLinesCase{"FiveLines", "3\r\n", 3, false},
                    LaterLinesCase{"SixLinesCopyOn", "2\r\n1\r\n", 2, true},
                    LaterLinesCase{"SixLinesCopyOff", "1\r\n0\r\n", 1, false},
                    LaterLinesCase{"SixthLineWithoutFifth", "\r\n1\r\n", 1, true},
                    LaterLinesCase{"OutOfRange", "0\r\n2\r\n", 1, false},
                    LaterLinesCase{"NotNumbers", "-3\r\nyes\r\n", 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsFileTest, LaterLinesAreWrittenOnlyAwayFromTheirDefaults)
{
    setValues({0, 0, 0, 0});
    SplitByCopy = true;
    SaveOptionsFile(m_dir.path());
    EXPECT_EQ(test::readFile(m_dir / "options.ini"), "0\r\n0\r\n0\r\n0\r\n1\r\n1\r\n");

    // A count read from the file goes back into it unchanged.
    test::writeFile(m_dir / "options.ini", "0\r\n0\r\n0\r\n0\r\n4\r\n");
    LoadOptionsFile(m_dir.path());
    SaveOptionsFile(m_dir.path());
    EXPECT_EQ(test::readFile(m_dir / "options.ini"), "0\r\n0\r\n0\r\n0\r\n4\r\n0\r\n");

    test::writeFile(m_dir / "options.ini", "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n");
    LoadOptionsFile(m_dir.path());
    SaveOptionsFile(m_dir.path());
    EXPECT_EQ(test::readFile(m_dir / "options.ini"), "0\r\n0\r\n0\r\n0\r\n");
}

} // namespace
} // namespace brisquel
