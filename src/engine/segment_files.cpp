#include "engine/segment_files.h"

#include <dirent.h>
#include <sys/stat.h>

namespace brisquel {

namespace {

bool isSegmentName(const std::string& name, const std::string& baseName, const std::string& extension)
{
    if (name.size() != baseName.size() + 5 + extension.size() || !name.starts_with(baseName)
        || !name.ends_with(extension))
        return false;
    for (std::size_t i = baseName.size(); i < baseName.size() + 5; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return false;
    }
    return true;
}

} // namespace

SegmentFiles ListSegmentFiles(const std::string& folder, const std::string& baseName, const std::string& extension)
{
    SegmentFiles files;
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return files;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (!isSegmentName(name, baseName, extension) || stat((folder + "/" + name).c_str(), &info) != 0
            || !S_ISREG(info.st_mode))
            continue;
        files[name] = info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec;
    }
    closedir(dir);
    return files;
}

std::vector<std::string> WrittenSegments(const SegmentFiles& before, const SegmentFiles& after)
{
    std::vector<std::string> written;
    for (const auto& [name, modified] : after) {
        const auto old = before.find(name);
        if (old == before.end() || old->second != modified)
            written.push_back(name);
    }
    return written;
}

bool SegmentWritten(const SegmentFiles& before, const SegmentFiles& after)
{
    return !WrittenSegments(before, after).empty();
}

} // namespace brisquel
