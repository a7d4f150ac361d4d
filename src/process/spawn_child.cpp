#include "process/spawn_child.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <linux/close_range.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace brisquel {

namespace {

// The program to exec, resolved before the fork: the child may only make async-signal-safe
// calls, and a PATH search allocates.
std::string resolveProgram(const std::string& name)
{
    if (name.empty() || name.find('/') != std::string::npos)
        return name;
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? std::string(".") : folder) + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

// Runs in the child between fork and exec: async-signal-safe calls only. Reports a failure
// as its errno through `report`, which closes on a successful exec.
[[noreturn]] void becomeChild(const char* program, char* const* argv, int output, int report, pid_t parent)
{
    int failure = 0;
    // posix_spawn has no way to set this, hence the fork.
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0)
        failure = errno;
    else if (getppid() != parent)
        failure = ESRCH; // the program ended before the request took hold

    if (failure == 0) {
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        sigemptyset(&standard.sa_mask);
        for (int signal = 1; signal < NSIG; ++signal)
            sigaction(signal, &standard, nullptr); // SIGKILL, SIGSTOP and glibc's own refuse: fine
        const int input = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (input < 0 || dup2(input, 0) < 0 || dup2(output, 1) < 0 || dup2(output, 2) < 0)
            failure = errno;
    }
    if (failure == 0 && close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0) {
        for (int fd = 3; fd < 65536; ++fd) {
            if (fd != report)
                fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
    if (failure == 0) {
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execve(program, argv, environ);
        failure = errno;
    }
    while (write(report, &failure, sizeof failure) < 0 && errno == EINTR) {
    }
    _exit(127);
}

} // namespace

pid_t SpawnChild(const std::vector<std::string>& arguments, int output)
{
    if (arguments.empty())
        return -1;
    const std::string program = resolveProgram(arguments.front());
    if (program.empty())
        return -1;
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return -1;

    // No handler of this program may run in the child before its dispositions are reset: a
    // signal handler there would write into this program's own descriptors.
    sigset_t all;
    sigfillset(&all);
    sigset_t previous;
    pthread_sigmask(SIG_SETMASK, &all, &previous);
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0)
        becomeChild(program.c_str(), argv.data(), output, report[1], parent);
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    close(report[1]);
    if (child < 0) {
        close(report[0]);
        return -1;
    }

    int failure = 0;
    ssize_t n;
    do {
        n = read(report[0], &failure, sizeof failure);
    } while (n < 0 && errno == EINTR);
    close(report[0]);
    if (n == 0)
        return child;
    // The exec failed: the child has ended, and a missing program is a start failure, not a
    // run that prints nothing.
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    return -1;
}

} // namespace brisquel
