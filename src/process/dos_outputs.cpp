#include "process/dos_outputs.h"

#include "process/cls_waitable_timer.h"
#include "process/command_line.h"
#include "process/event_pump.h"
#include "process/pidfd.h"
#include "process/process_list.h"
#include "process/spawn_child.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <exception>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace brisquel {

namespace {

constexpr std::size_t kChunkSize = 1024;
constexpr int kPollMilliSeconds = 50;
constexpr std::chrono::seconds kKillAfterSilence{5};
using Clock = std::chrono::steady_clock;

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

bool DOSOutputs::StoppedResponding() const
{
    return m_stoppedResponding;
}

void DOSOutputs::setSilenceLimit(std::chrono::milliseconds limit)
{
    m_silenceLimit = limit;
}

bool DOSOutputs::latestChildLives() const
{
    return std::find(m_unreaped.begin(), m_unreaped.end(), m_latestChild) != m_unreaped.end();
}

void DOSOutputs::signalChild(int signal)
{
    if (m_childFd >= 0 && latestChildLives())
        SignalPidfd(m_childFd, signal);
}

void DOSOutputs::endRun(int firstSignal, std::chrono::milliseconds killAfter)
{
    if (!m_running)
        return;
    reapChildren();
    signalChild(firstSignal);
    m_ending = true;
    if (firstSignal != SIGKILL && (!m_killAt || Clock::now() + killAfter < *m_killAt))
        m_killAt = Clock::now() + killAfter;
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
    return latestChildLives() && IsSameImageName(m_latestImageName, imageName);
}

std::string DOSOutputs::ExecuteCommand(const std::string& commandLine)
{
    if (!commandLine.empty())
        m_commandLine = commandLine;
    // Whatever happens below, nothing of an earlier run's result may pass for this one's.
    m_exitCode = -1;
    m_endedBySignal = false;
    m_stoppedResponding = false;
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
    const pid_t child = SpawnChild(arguments, writeEnd.get());
    if (child < 0) {
        showMessage("File or command not found");
        return {};
    }
    writeEnd.reset();
    m_latestChild = child;
    m_latestImageName = arguments.front().substr(arguments.front().rfind('/') + 1);
    m_unreaped.push_back(child);
    m_outputs.clear();
    // Without pidfds (an old kernel) the child cannot be signalled safely: endRun then only
    // stops waiting for other processes of the watched name.
    FileDescriptor childFd(OpenPidfd(child));
    m_childFd = childFd.get();
    m_running = true;
    m_ending = false;
    m_killAt.reset();

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
    m_running = false;
    m_ending = false;
    m_killAt.reset();
    m_childFd = -1;
    childFd.reset();

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
    Clock::time_point lastOutput = Clock::now();
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
            if (n > 0) {
                chunk.assign(buffer, static_cast<std::size_t>(n));
                lastOutput = Clock::now();
            } else {
                last = true; // a failed read (or end of file) still raises its empty chunk
            }
            m_outputs += chunk;
            if (ReceiveOutputs)
                ReceiveOutputs(chunk);
        } else if (m_ending ? !latestChildLives()
                            : !latestChildRunsAs(WatchedImageName) && !IsProcessRunning(WatchedImageName)) {
            // The end goes by image name, not by the own child's exit: any process of that
            // name keeps the run polling, unless the run is being ended. A child that wrote
            // its last lines and ended between the query and the scan has left them in the
            // pipe: ask once more, or they would be lost.
            last = !bytesWaiting(readEnd);
        }

        if (!last && !m_ending && m_silenceLimit.count() > 0 && Clock::now() - lastOutput >= m_silenceLimit) {
            m_stoppedResponding = true;
            endRun(SIGTERM, kKillAfterSilence);
        }
        if (m_killAt && Clock::now() >= *m_killAt) {
            m_killAt.reset();
            reapChildren();
            signalChild(SIGKILL);
        }

        m_pump.ProcessPending();
        if (last)
            break; // nothing is left to wait for
        const bool childLives = latestChildLives();
        // Once the child has ended, what it left in the pipe is taken without pausing; an
        // empty pipe then waits the full pause, as another process of the watched name may
        // keep the run alive.
        const int wakeFd = childLives ? m_childFd : (bytesWaiting(readEnd) ? readEnd : -1);
        int pause = kPollMilliSeconds;
        if (m_killAt) {
            const auto due = std::chrono::ceil<std::chrono::milliseconds>(*m_killAt - Clock::now()).count();
            pause = static_cast<int>(std::clamp<long long>(due, 0, kPollMilliSeconds));
        }
        timer.Wait(pause, wakeFd);
    } while (true);
}

} // namespace brisquel
