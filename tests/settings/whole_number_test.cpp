#include "settings/whole_number.h"

#include <cstdint>
#include <gtest/gtest.h>

namespace brisquel {
namespace {

TEST(WholeNumberTest, RoundsHalvesToEven)
{
    const std::pair<double, double> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-2.5, -2}, {-1.5, -2},
                                               {7.4999, 7}, {7.5001, 8}, {-0.2, 0}, {3, 3}};
    for (const auto& [value, rounded] : cases)
        EXPECT_EQ(roundHalfEven(value), rounded) << value;
}

TEST(WholeNumberTest, StrictConversionWantsANumberThatFits16Bits)
{
    const std::pair<const char*, std::optional<std::int16_t>> cases[] = {
        {"7", 7}, {"-1", -1}, {" 12 ", 12}, {"+3", 3}, {"7.5", 8}, {"6.5", 6}, {".5", 0},
        {"1e2", 100}, {"32767", 32767}, {"-32768", -32768}, {"32768", std::nullopt},
        {"32767.5", std::nullopt}, {"", std::nullopt}, {"abc", std::nullopt}, {"7x", std::nullopt},
        {"1 2", std::nullopt}, {"inf", std::nullopt}, {"nan", std::nullopt}, {"-", std::nullopt},
        {".", std::nullopt}, {"1e999", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(strictWholeNumber<std::int16_t>(text), expected) << text;
}

TEST(WholeNumberTest, LenientConversionTakesTheLeadingNumber)
{
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"7.5", 8}, {"abc", 0}, {"", 0}, {"12abc", 12}, {"  -3", -3}, {"1e3x", 1000},
        {"5", 5}, {"1.5", 2}, {"2e", 2}, {"2147483647", 2147483647},
        {"2147483648", std::nullopt}, {"-2147483649", std::nullopt}, {"9e99999", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(lenientWholeNumber<std::int32_t>(text), expected) << text;
    EXPECT_EQ(lenientWholeNumber<std::int16_t>("40000"), std::nullopt);
}

} // namespace
} // namespace brisquel
