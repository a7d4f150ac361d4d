#include "input/file_search.h"

#include "input/get_file.h"

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisquel {
namespace {

constexpr std::size_t MaxSubFolders = 200;

enum class EntryKind { File, Folder, Other };

EntryKind kindOf(int folderFd, const dirent& entry)
{
    switch (entry.d_type) {
    case DT_REG:
        return EntryKind::File;
    case DT_DIR:
        return EntryKind::Folder;
    case DT_LNK:
    case DT_UNKNOWN:
        break;
    default:
        return EntryKind::Other;
    }
    struct stat info {};
    if (::fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return EntryKind::Other;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    if (S_ISREG(info.st_mode))
        return EntryKind::File;
    // A link: a file behind it is queued like the file; a folder behind it is not entered
    // (nor queued).
    if (S_ISLNK(info.st_mode) && ::fstatat(folderFd, entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode))
        return EntryKind::File;
    return EntryKind::Other;
}

void searchOpened(int folderFd, const std::string& folder, std::vector<std::string>& list,
                  const std::function<void()>& yield)
{
    DIR* listing = ::fdopendir(folderFd);
    if (!listing) {
        ::close(folderFd);
        return;
    }
    std::vector<std::string> subFolders;
    bool first = true;
    while (const dirent* entry = ::readdir(listing)) {
        if (!first && yield) {
            yield();
            yield();
        }
        first = false;
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        const std::string path = folder + PathSeparator + entry->d_name;
        switch (kindOf(::dirfd(listing), *entry)) {
        case EntryKind::Folder:
            if (subFolders.size() < MaxSubFolders)
                subFolders.push_back(path);
            break;
        case EntryKind::File:
            list.push_back(path);
            break;
        case EntryKind::Other:
            break;
        }
    }
    ::closedir(listing);

    for (const std::string& subFolder : subFolders) {
        // O_NOFOLLOW: a sub-folder that was swapped for a link since it was listed is not
        // entered either.
        const int fd = ::open(subFolder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0)
            searchOpened(fd, subFolder, list, yield);
    }
}

} // namespace

void SearchFolder(const std::string& folder, std::vector<std::string>& list,
                  const std::function<void()>& yield)
{
    // The chosen folder itself may be a link: the user picked it.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // A root such as "/" already ends with the separator that joins its entries.
    std::string prefix = folder;
    while (!prefix.empty() && prefix.back() == PathSeparator)
        prefix.pop_back();
    searchOpened(fd, prefix, list, yield);
}

} // namespace brisquel
