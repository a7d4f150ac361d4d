#pragma once

#include <sys/types.h>

namespace brisquel {

// A descriptor that stands for one process for as long as it is held, so a signal sent
// through it cannot reach another process that took over the id; -1 when there is none.
int OpenPidfd(pid_t pid);

// Sends `signal` to the process of the descriptor; false when it has ended or may not be
// signalled.
bool SignalPidfd(int pidfd, int signal);

} // namespace brisquel
