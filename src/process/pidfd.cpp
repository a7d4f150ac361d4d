#include "process/pidfd.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace brisquel {

// Called through syscall(): the C library's wrappers of this Debian release lack C linkage
// in their header.
int OpenPidfd(pid_t pid)
{
    return static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
}

bool SignalPidfd(int pidfd, int signal)
{
    return pidfd >= 0 && syscall(SYS_pidfd_send_signal, pidfd, signal, nullptr, 0) == 0;
}

} // namespace brisquel
