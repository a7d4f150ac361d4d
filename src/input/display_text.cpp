#include "input/display_text.h"

#include "input/get_file.h"
#include "input/utf8_text.h"

namespace brisquel {

std::string displayText(std::string_view path, const CodePage& codePage)
{
    const std::string narrowed = codePage.narrow(path);
    const auto slash = narrowed.rfind(PathSeparator);
    const std::string folder = slash == std::string::npos ? std::string() : narrowed.substr(0, slash + 1);
    return folder + replaceWithSpaces(GetFileName(narrowed), "/<>?\":*|");
}

} // namespace brisquel
