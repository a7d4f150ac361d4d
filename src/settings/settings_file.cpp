#include "settings/settings_file.h"

#include "input/file_io.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisquel {

std::optional<std::string> readSettingsFile(const std::string& path)
{
    const int fd = openRegularFile(path);
    if (fd < 0)
        return std::nullopt;
    std::string bytes(MaxSettingsFileBytes, '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

namespace {

// The file that a save replaces: a link's target, through any chain of links, so that the
// link stays a link. Empty when the chain loops.
std::string saveTarget(std::string path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX), '\0');
        const ssize_t got = ::readlink(path.c_str(), target.data(), target.size());
        if (got <= 0)
            return {};
        target.resize(static_cast<std::size_t>(got));
        if (target.front() != '/') {
            const std::size_t slash = path.rfind('/');
            target = (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + target;
        }
        path = std::move(target);
    }
    return {};
}

} // namespace

bool writeSettingsFile(const std::string& path, std::string_view bytes)
{
    const std::string target = saveTarget(path);
    if (target.empty())
        return false;
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    // A file the user may not write was protected on purpose: the save is lost, as in a
    // write-protected folder, rather than the protection replaced along with the file.
    if (exists && (!S_ISREG(old.st_mode) || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return false;
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
    // Root saving a user's file leaves it the user's.
    const bool owned = !exists || ::geteuid() != 0 || ::fchown(fd, old.st_uid, old.st_gid) == 0;
    bool written = owned && writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    written = ::close(fd) == 0 && written;
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace brisquel
