#include "engine/segment_files.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace brisquel {

bool IsSegmentName(const std::string& name, const std::string& baseName, const std::string& extension)
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

std::optional<SegmentFiles> TryListSegmentFiles(const std::string& folder, const std::string& baseName,
                                                const std::string& extension)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return std::nullopt;
    SegmentFiles files;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (!IsSegmentName(name, baseName, extension) || stat((folder + "/" + name).c_str(), &info) != 0
            || !S_ISREG(info.st_mode))
            continue;
        files[name] = info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec;
    }
    closedir(dir);
    return files;
}

SegmentFiles ListSegmentFiles(const std::string& folder, const std::string& baseName, const std::string& extension)
{
    return TryListSegmentFiles(folder, baseName, extension).value_or(SegmentFiles{});
}

std::vector<std::string> SegmentsWrittenSince(const SegmentFiles& before, const SegmentFiles& after)
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
    return !SegmentsWrittenSince(before, after).empty();
}

std::string UniqueOutputBaseName(const std::string& baseName, const std::string& extension,
                                 const std::vector<std::string>& taken)
{
    const auto free = [&](const std::string& candidate) {
        return std::none_of(taken.begin(), taken.end(),
                            [&](const std::string& name) { return IsSegmentName(name, candidate, extension); });
    };
    if (free(baseName))
        return baseName;
    // More candidates than taken names cannot all be blocked.
    for (std::size_t n = 2;; ++n) {
        const std::string candidate = baseName + " (" + std::to_string(n) + ")";
        if (free(candidate))
            return candidate;
    }
}

} // namespace brisquel
