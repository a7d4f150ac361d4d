#include "input/delete_folder_tree.h"

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace brisquel {
namespace {

struct Entry
{
    std::string name;
    bool isFolder;
};

// The entries of an open folder, read in full before any is removed, so removing cannot
// disturb the listing and no entry is visited twice.
std::vector<Entry> listEntries(int folderFd)
{
    std::vector<Entry> entries;
    const int listingFd = ::dup(folderFd);
    DIR* listing = listingFd >= 0 ? ::fdopendir(listingFd) : nullptr;
    if (!listing) {
        if (listingFd >= 0)
            ::close(listingFd);
        return entries;
    }
    while (const dirent* entry = ::readdir(listing)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info {};
            isFolder = ::fstatat(folderFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
                && S_ISDIR(info.st_mode);
        }
        entries.push_back({entry->d_name, isFolder});
    }
    ::closedir(listing);
    return entries;
}

// Opens a folder that is a real folder, never a link, and makes it the owner's to change: a
// read-only or unreadable folder would keep its content otherwise. The mode is set through
// the opened handle, so it cannot reach anything outside the tree.
int openFolder(int parentFd, const std::string& name)
{
    const int pathFd = ::openat(parentFd, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (pathFd < 0)
        return -1;
    ::chmod(("/proc/self/fd/" + std::to_string(pathFd)).c_str(), S_IRWXU);
    const int fd = ::openat(pathFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ::close(pathFd);
    return fd;
}

void removeContents(int folderFd, const std::function<void()>& yield)
{
    for (const Entry& entry : listEntries(folderFd)) {
        if (entry.isFolder) {
            const int subFd = openFolder(folderFd, entry.name);
            if (subFd >= 0) {
                removeContents(subFd, yield);
                ::close(subFd);
            }
            // A sub-folder that stays (something in it could not go) is simply passed by.
            ::unlinkat(folderFd, entry.name.c_str(), AT_REMOVEDIR);
        } else {
            // Read-only files go too: removing needs only the right to change the folder.
            ::unlinkat(folderFd, entry.name.c_str(), 0);
        }
        if (yield)
            yield();
    }
}

} // namespace

void DeleteFolderTree(const std::string& folder, const std::function<void()>& yield)
{
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0)
        return;
    if (S_ISLNK(info.st_mode)) {
        ::unlink(folder.c_str());
        return;
    }
    const int fd = openFolder(AT_FDCWD, folder);
    if (fd < 0)
        return;
    removeContents(fd, yield);
    ::close(fd);
    ::rmdir(folder.c_str());
}

} // namespace brisquel
