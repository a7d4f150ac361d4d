#include "input/windows1252_code_page.h"

#include <algorithm>
#include <array>

namespace brisquel {
namespace {

// What Windows-1252 puts at 0x80 to 0x9F (five of those bytes are unassigned).
constexpr std::array<char32_t, 27> HighRow = {
    0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x017D, 0x017E, 0x0192, 0x02C6,
    0x02DC, 0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E,
    0x2020, 0x2021, 0x2022, 0x2026, 0x2030, 0x2039, 0x203A, 0x20AC, 0x2122,
};

} // namespace

bool Windows1252CodePage::carries(char32_t codePoint) const
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return true;
    return std::binary_search(HighRow.begin(), HighRow.end(), codePoint);
}

} // namespace brisquel
