#include "process/dos_outputs.h"

#include "process/cls_waitable_timer.h"
#include "process/command_line.h"
#include "process/event_pump.h"
#include "process/process_list.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <exception>
#include <fcntl.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace brisquel {

namespace {

constexpr std::size_t kChunkSize = 1024;
constexpr int kPollMilliSeconds = 50;

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// A pipe end that landed on 0, 1 or 2 (the program's own standard handles were closed) is
// moved up: dup2 onto the same number would keep its close-on-exec flag in the child.
bool moveAboveStandardHandles(FileDescriptor& fd)
{
    if (fd.get() > 2)
        return true;
    const int moved = fcntl(fd.get(), F_DUPFD_CLOEXEC, 3);
    if (moved < 0)
        return false;
    fd.reset(moved);
    return true;
}

// Starts the arguments with stdin on /dev/null and stdout and stderr on `output`; the child
// gets no other descriptor and default signal handling. Returns the child, or -1.
pid_t startChild(const std::vector<std::string>& arguments, int output)
{
    if (arguments.empty())
        return -1;

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0)
        return -1;
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return -1;
    }

    sigset_t noSignals;
    sigemptyset(&noSignals);
    sigset_t allSignals;
    sigfillset(&allSignals);
    sigdelset(&allSignals, SIGKILL);
    sigdelset(&allSignals, SIGSTOP);

    bool ready = posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0) == 0
                 && posix_spawn_file_actions_adddup2(&actions, output, 1) == 0
                 && posix_spawn_file_actions_adddup2(&actions, output, 2) == 0
                 && posix_spawn_file_actions_addclosefrom_np(&actions, 3) == 0
                 && posix_spawnattr_setsigmask(&attributes, &noSignals) == 0
                 && posix_spawnattr_setsigdefault(&attributes, &allSignals) == 0
                 && posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;

    pid_t child = -1;
    if (ready) {
        std::vector<char*> argv;
        argv.reserve(arguments.size() + 1);
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        // glibc reports a failed exec here (and reaps that child), so a missing program is
        // a start failure, not a run that prints nothing.
        if (posix_spawnp(&child, argv[0], &actions, &attributes, argv.data(), environ) != 0)
            child = -1;
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// A failed size query counts as bytes waiting: the read that follows tells.
bool bytesWaiting(int readEnd)
{
    int waiting = 0;
    int queried;
    do {
        queried = ioctl(readEnd, FIONREAD, &waiting);
    } while (queried < 0 && errno == EINTR);
    return queried != 0 || waiting > 0;
}

} // namespace

DOSOutputs::DOSOutputs(EventPump& pump, MessageSink messages)
    : m_pump(pump)
    , m_messages(std::move(messages))
{
}

DOSOutputs::~DOSOutputs()
{
    reapChildren();
}

void DOSOutputs::setCommandLine(const std::string& commandLine)
{
    m_commandLine = commandLine;
}

const std::string& DOSOutputs::CommandLine() const
{
    return m_commandLine;
}

const std::string& DOSOutputs::Outputs() const
{
    return m_outputs;
}

int DOSOutputs::ExitCode() const
{
    return m_exitCode;
}

bool DOSOutputs::EndedBySignal() const
{
    return m_endedBySignal;
}

void DOSOutputs::showMessage(const std::string& text) const
{
    if (m_messages)
        m_messages(text);
}

void DOSOutputs::reapChildren()
{
    for (auto it = m_unreaped.begin(); it != m_unreaped.end();) {
        int status = 0;
        pid_t done;
        do {
            done = waitpid(*it, &status, WNOHANG);
        } while (done < 0 && errno == EINTR);
        if (done == 0) {
            ++it;
            continue;
        }
        // done < 0 (ECHILD): someone else reaped it, and its status is lost.
        if (done == *it && done == m_latestChild && WIFEXITED(status))
            m_exitCode = WEXITSTATUS(status);
        if (done == *it && done == m_latestChild && WIFSIGNALED(status))
            m_endedBySignal = true;
        it = m_unreaped.erase(it);
    }
}

// The child takes its image name only late in its exec, after posix_spawn has returned; until
// then the process list shows it under this program's name. So the own child, while it lives,
// counts under the name of the file it was started from, as the system will show it.
bool DOSOutputs::latestChildRunsAs(const std::string& imageName)
{
    reapChildren();
    return std::find(m_unreaped.begin(), m_unreaped.end(), m_latestChild) != m_unreaped.end()
           && IsSameImageName(m_latestImageName, imageName);
}

std::string DOSOutputs::ExecuteCommand(const std::string& commandLine)
{
    if (!commandLine.empty())
        m_commandLine = commandLine;
    if (m_commandLine.empty()) {
        showMessage("Command Line empty");
        return {};
    }

    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        showMessage("CreatePipe failed. Error: " + std::to_string(errno));
        return {};
    }
    FileDescriptor readEnd(ends[0]);
    FileDescriptor writeEnd(ends[1]);
    if (!moveAboveStandardHandles(readEnd) || !moveAboveStandardHandles(writeEnd)) {
        showMessage("CreatePipe failed. Error: " + std::to_string(errno));
        return {};
    }
    // FIONREAD decides every read, so a read never waits; non-blocking makes sure of it even
    // when the size query fails.
    fcntl(readEnd.get(), F_SETFL, fcntl(readEnd.get(), F_GETFL) | O_NONBLOCK);

    const std::vector<std::string> arguments = SplitCommandLine(m_commandLine);
    const pid_t child = startChild(arguments, writeEnd.get());
    if (child < 0) {
        showMessage("File or command not found");
        return {};
    }
    writeEnd.reset();
    m_latestChild = child;
    m_latestImageName = arguments.front().substr(arguments.front().rfind('/') + 1);
    m_unreaped.push_back(child);
    m_exitCode = -1;
    m_endedBySignal = false;
    m_outputs.clear();

    // A failure of the wait or of a handler still ends the run like any other: handles
    // closed, CommandOver raised; then it goes on to the caller.
    std::exception_ptr failure;
    try {
        poll(readEnd.get());
    } catch (...) {
        failure = std::current_exception();
    }
    readEnd.reset();
    reapChildren();

    if (CommandOver)
        CommandOver();
    if (failure)
        std::rethrow_exception(failure);
    return m_outputs;
}

void DOSOutputs::poll(int readEnd)
{
    clsWaitableTimer timer(m_pump);
    char buffer[kChunkSize];
    // The pause between passes ends early when the own child ends, so a run is over soon
    // after its converter instead of up to two pauses later. Without pidfds it simply waits.
    FileDescriptor childEnded(static_cast<int>(syscall(SYS_pidfd_open, m_latestChild, 0)));
    bool last = false;
    do {
        // Reaped at once, the own child never lingers as a zombie and its status is kept.
        reapChildren();

        if (bytesWaiting(readEnd)) {
            ssize_t n;
            do {
                n = read(readEnd, buffer, sizeof buffer);
            } while (n < 0 && errno == EINTR);
            std::string chunk;
            if (n > 0)
                chunk.assign(buffer, static_cast<std::size_t>(n));
            else
                last = true; // a failed read (or end of file) still raises its empty chunk
            m_outputs += chunk;
            if (ReceiveOutputs)
                ReceiveOutputs(chunk);
        } else if (!latestChildRunsAs(WatchedImageName) && !IsProcessRunning(WatchedImageName)) {
            // The end goes by image name, not by the own child's exit: any process of that
            // name keeps the run polling. A child that wrote its last lines and ended
            // between the query and the scan has left them in the pipe: ask once more, or
            // they would be lost.
            last = !bytesWaiting(readEnd);
        }

        m_pump.ProcessPending();
        if (last)
            break; // nothing is left to wait for
        const bool childLives = std::find(m_unreaped.begin(), m_unreaped.end(), m_latestChild) != m_unreaped.end();
        if (!childLives)
            childEnded.reset();
        // Once the child has ended, what it left in the pipe is taken without pausing; an
        // empty pipe then waits the full pause, as another process of the watched name may
        // keep the run alive.
        const int wakeFd = childLives ? childEnded.get() : (bytesWaiting(readEnd) ? readEnd : -1);
        timer.Wait(kPollMilliSeconds, wakeFd);
    } while (true);
}

} // namespace brisquel
