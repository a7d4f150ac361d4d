#include "input/scratch_folder.h"

#include "input/get_file.h"

#include <sys/stat.h>

namespace brisquel {

bool createScratchFolder(const std::string& folder)
{
    for (std::size_t end = folder.find(PathSeparator, 1);; end = folder.find(PathSeparator, end + 1)) {
        const std::string part = folder.substr(0, end);
        // A folder that exists already (or cannot be made) is left as it is; the test at
        // the end tells.
        if (!part.empty())
            ::mkdir(part.c_str(), 0700);
        if (end == std::string::npos)
            break;
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace brisquel
