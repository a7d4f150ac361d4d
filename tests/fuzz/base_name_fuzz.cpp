// File and base names of any path, and the safe base name a temporary copy gets, under
// both the program's code page and one that lacks most characters.

#include "fuzz_support.h"
#include "input/get_file.h"
#include "input/queue_path.h"
#include "input/utf8_text.h"
#include "input/windows1252_code_page.h"

#include <ctime>

using namespace brisquel;

namespace {

void checkSafeBaseName(std::string_view path, const CodePage& codePage)
{
    std::tm now{};
    now.tm_year = 124;
    now.tm_mday = 1;
    const std::string name = safeBaseName(path, codePage, now);
    fuzzCheck(name.find_first_of("/\\<>?\":*|") == std::string::npos, "no character a file name cannot hold");
    fuzzCheck(!trimSpaces(name).empty(), "never only spaces");
    fuzzCheck(firstCharacters(name, 200).size() == name.size(), "at most 200 characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view path = fuzzText(data, size);

    const std::string fileName = GetFileName(path);
    fuzzCheck(fileName.find(PathSeparator) == std::string::npos, "a file name holds no separator");
    fuzzCheck(path.ends_with(fileName), "the file name ends the path");
    fuzzCheck(fileName.size() == path.size() || path[path.size() - fileName.size() - 1] == PathSeparator,
              "the file name follows a separator");

    const std::string baseName = GetBaseName(path);
    fuzzCheck(baseName.find(PathSeparator) == std::string::npos, "a base name holds no separator");
    fuzzCheck(fileName.starts_with(baseName), "the base name starts the file name");
    if (!baseName.empty())
        fuzzCheck(fileName.find('.', baseName.size()) == baseName.size()
                      && fileName.find('.', baseName.size() + 1) == std::string::npos,
                  "the base name stops at the last dot");

    checkSafeBaseName(path, utf8CodePage());
    checkSafeBaseName(path, Windows1252CodePage());
    return 0;
}
