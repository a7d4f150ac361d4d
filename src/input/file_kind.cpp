#include "input/file_kind.h"

#include <sys/stat.h>

namespace brisquel {

bool IsSpecialFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return false;
    return S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode) || S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode);
}

} // namespace brisquel
