#include "input/get_file.h"

namespace brisquel {

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

} // namespace brisquel
