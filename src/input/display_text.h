#pragma once

#include "input/code_page.h"

#include <string>
#include <string_view>

namespace brisquel {

// The "FileName" column for a picked or dropped file: the narrowed path, its folder part as
// narrowed (lost characters show as "?") and its name with the characters that cannot stand
// in a file name, "?" among them, shown as spaces.
std::string displayText(std::string_view path, const CodePage& codePage);

} // namespace brisquel
