#pragma once

#include <string>
#include <string_view>

namespace brisquel {

// The narrow code page that the converter's command line and the path tests use. Text in
// and out is UTF-8; narrowing keeps what the code page carries and turns everything else,
// bytes that are not UTF-8 included, into "?".
class CodePage
{
public:
    virtual ~CodePage() = default;

    virtual bool carries(char32_t codePoint) const = 0;

    std::string narrow(std::string_view text) const;
};

// The program's code page: UTF-8, which carries every code point except U+FFFD, the mark of
// a name byte that could not be decoded.
class Utf8CodePage : public CodePage
{
public:
    bool carries(char32_t codePoint) const override;
};

const CodePage& utf8CodePage();

} // namespace brisquel
