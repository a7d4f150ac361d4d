#include "input/get_file.h"

#include <sys/stat.h>

namespace brisquel {
namespace {

// The narrowed path is what is tested, so a name the code page cannot carry names nothing.
bool narrowStat(std::string_view path, const CodePage& codePage, struct stat& info)
{
    const std::string narrowed = codePage.narrow(path);
    return !narrowed.empty() && narrowed.find('\0') == std::string::npos
        && ::stat(narrowed.c_str(), &info) == 0;
}

} // namespace

std::string GetFileName(std::string_view path)
{
    const auto slash = path.rfind(PathSeparator);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string GetBaseName(std::string_view path)
{
    const std::string name = GetFileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

bool FileExists(std::string_view path, const CodePage& codePage)
{
    struct stat info {};
    return narrowStat(path, codePage, info) && !S_ISDIR(info.st_mode);
}

bool FolderExists(std::string_view path, const CodePage& codePage)
{
    struct stat info {};
    return narrowStat(path, codePage, info) && S_ISDIR(info.st_mode);
}

} // namespace brisquel
