// The core's texts: English as written while no front end translates, the hook's words
// once one does, and the patterns filled in whatever order a translation puts them.
#include "process/core_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brisquel {
namespace {

struct FillCase
{
    const char* name;
    const char* pattern;
    std::vector<std::string> args;
    const char* expected;
};

void PrintTo(const FillCase& c, std::ostream* os) { *os << c.name; }

class FillInTest : public testing::TestWithParam<FillCase>
{
};

TEST_P(FillInTest, PutsEachArgumentAtItsMarker)
{
    const FillCase& c = GetParam();
    const std::vector<std::string_view> views(c.args.begin(), c.args.end());
    std::string filled;
    switch (views.size()) {
    case 0: filled = FillIn(c.pattern, {}); break;
    case 1: filled = FillIn(c.pattern, {views[0]}); break;
    default: filled = FillIn(c.pattern, {views[0], views[1]}); break;
    }
    EXPECT_EQ(filled, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FillInTest,
    testing::Values(FillCase{"InOrder", "File %1 of %2", {"3", "12"}, "File 3 of 12"},
                    FillCase{"Reordered", "%2: %1", {"a", "b"}, "b: a"},
                    FillCase{"Repeated", "%1-%1", {"x"}, "x-x"},
                    // An argument is never read as a pattern, so a file named "%2" stays so.
                    FillCase{"ArgumentHoldsMarker", "%1 and %2", {"%2", "b"}, "%2 and b"},
                    FillCase{"MarkerWithoutArgument", "%1 of %3", {"a"}, "a of %3"},
                    FillCase{"PercentSignsStay", "100% %", {}, "100% %"},
                    FillCase{"TrailingPercent", "%1%", {"50"}, "50%"}),
    [](const testing::TestParamInfo<FillCase>& info) { return std::string(info.param.name); });

std::string shout(const char* context, const char* text)
{
    return std::string(context) + ":" + text + "!";
}

TEST(CoreTextTest, IsTheSourceTextUntilAHookIsInstalled)
{
    EXPECT_EQ(CoreText("BatchDriver", "Stopped."), "Stopped.");
    SetCoreTextHook(shout);
    EXPECT_EQ(CoreText("BatchDriver", "Stopped."), "BatchDriver:Stopped.!");
    SetCoreTextHook(nullptr);
    EXPECT_EQ(CoreText("BatchDriver", "Stopped."), "Stopped.");
}

} // namespace
} // namespace brisquel
