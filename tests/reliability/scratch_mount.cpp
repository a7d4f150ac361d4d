#include "scratch_mount.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

namespace brisquel::test {

ScratchMount::ScratchMount(const std::string& folder, const std::string& size, bool readOnly)
    : m_folder(folder)
{
    const std::string options = "size=" + size + ",mode=0755";
    const unsigned long flags = MS_NOSUID | MS_NODEV | MS_NOEXEC | (readOnly ? MS_RDONLY : 0);
    if (::mount("brisquel-test", folder.c_str(), "tmpfs", flags, options.c_str()) == 0) {
        m_mounted = true;
        return;
    }
    const int error = errno;
    m_failure = "cannot mount a tmpfs on " + folder + ": " + std::strerror(error)
        + (error == EPERM ? " (mounting is not allowed here: needs root with CAP_SYS_ADMIN)" : "");
}

ScratchMount::~ScratchMount()
{
    // A converter that still holds a file open keeps the mount busy: detach it then, so it
    // goes as soon as the file is closed and the folder is free again at once.
    if (m_mounted && ::umount2(m_folder.c_str(), 0) != 0)
        ::umount2(m_folder.c_str(), MNT_DETACH);
}

long long fillFileSystem(const std::string& path, long long slack)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return 0;
    const std::string block(4096, 'f');
    long long written = 0;
    for (ssize_t put; (put = ::write(fd, block.data(), block.size())) > 0;)
        written += put;
    long long kept = written > slack ? written - slack : 0;
    if (::ftruncate(fd, kept) != 0)
        kept = written;
    ::close(fd);
    return kept;
}

} // namespace brisquel::test
