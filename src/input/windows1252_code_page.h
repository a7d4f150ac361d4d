#pragma once

#include "input/code_page.h"

namespace brisquel {

// Windows-1252, a code page that lacks most of Unicode: it lets tests reach the temporary
// copies with ordinary file names.
class Windows1252CodePage : public CodePage
{
public:
    bool carries(char32_t codePoint) const override;
};

} // namespace brisquel
