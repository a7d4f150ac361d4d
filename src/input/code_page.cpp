#include "input/code_page.h"

#include "input/utf8_text.h"

namespace brisquel {

std::string CodePage::narrow(std::string_view text) const
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto codePoint = decodeUtf8(text, pos);
        if (codePoint && carries(*codePoint))
            appendUtf8(result, *codePoint);
        else
            result += '?';
    }
    return result;
}

bool Utf8CodePage::carries(char32_t codePoint) const
{
    return codePoint != 0xFFFD;
}

const CodePage& utf8CodePage()
{
    static const Utf8CodePage codePage;
    return codePage;
}

} // namespace brisquel
