#include "process/process_run.h"

#include "process/pidfd.h"
#include "process/spawn_child.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brisquel {

namespace {

// A pipe end that landed on 0, 1 or 2 (the program's own standard handles were closed) is
// moved up: dup2 onto the same number would keep its close-on-exec flag in the child.
bool moveAboveStandardHandles(int& fd)
{
    if (fd > 2)
        return true;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    if (moved < 0)
        return false;
    close(fd);
    fd = moved;
    return true;
}

} // namespace

ProcessRun::~ProcessRun()
{
    closeDescriptors();
}

void ProcessRun::closeDescriptors()
{
    if (m_readEnd >= 0)
        close(m_readEnd);
    if (m_pidfd >= 0)
        close(m_pidfd);
    m_readEnd = -1;
    m_pidfd = -1;
}

bool ProcessRun::start(const std::vector<std::string>& arguments)
{
    closeDescriptors();
    m_child = -1;
    m_reaped = false;
    m_end = {};

    int ends[2];
    int pipeError = 0;
    if (pipe2(ends, O_CLOEXEC) != 0) {
        pipeError = errno;
    } else if (!moveAboveStandardHandles(ends[0]) || !moveAboveStandardHandles(ends[1])) {
        pipeError = errno;
        close(ends[0]);
        close(ends[1]);
    }
    if (pipeError != 0) {
        m_end.start = RunEnd::Start::NoPipe;
        m_end.pipeError = pipeError;
        if (onFinal)
            onFinal(m_end);
        return false;
    }
    // FIONREAD decides every read, so a read never waits; non-blocking makes sure of it even
    // when the size query fails.
    fcntl(ends[0], F_SETFL, fcntl(ends[0], F_GETFL) | O_NONBLOCK);
    m_child = SpawnChild(arguments, ends[1]);
    close(ends[1]);
    if (m_child < 0) {
        close(ends[0]);
        m_end.start = RunEnd::Start::NotStarted;
        if (onFinal)
            onFinal(m_end);
        return false;
    }
    m_readEnd = ends[0];
    // Without pidfds (an old kernel) the child is neither signalled nor waited on by
    // descriptor; polling still sees it end.
    m_pidfd = OpenPidfd(m_child);
    m_running = true;
    return true;
}

void ProcessRun::reap()
{
    if (m_child < 0 || m_reaped)
        return;
    int status = 0;
    pid_t done;
    do {
        done = waitpid(m_child, &status, WNOHANG);
    } while (done < 0 && errno == EINTR);
    if (done == 0)
        return;
    // done < 0 (ECHILD): someone else reaped it, and its status is lost.
    m_reaped = true;
    if (done == m_child && WIFEXITED(status))
        m_end.exitCode = WEXITSTATUS(status);
    if (done == m_child && WIFSIGNALED(status))
        m_end.endedBySignal = true;
}

bool ProcessRun::childLives() const
{
    return m_child >= 0 && !m_reaped;
}

bool ProcessRun::bytesWaiting() const
{
    if (m_readEnd < 0)
        return false;
    int waiting = 0;
    int queried;
    do {
        queried = ioctl(m_readEnd, FIONREAD, &waiting);
    } while (queried < 0 && errno == EINTR);
    return queried != 0 || waiting > 0;
}

ProcessRun::Read ProcessRun::readChunk()
{
    char buffer[ChunkSize];
    ssize_t n = -1;
    if (m_readEnd >= 0) {
        do {
            n = read(m_readEnd, buffer, sizeof buffer);
        } while (n < 0 && errno == EINTR);
    }
    const std::string chunk = n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    if (onChunk)
        onChunk(chunk);
    return n > 0 ? Read::Chunk : Read::Failed;
}

bool ProcessRun::poll()
{
    if (!m_running)
        return true;
    reap();
    if (bytesWaiting()) {
        if (readChunk() == Read::Failed)
            finish();
    } else if (!childLives() && !bytesWaiting()) {
        // Asked again: a child that wrote its last lines and ended between the query and
        // the reap has left them in the pipe.
        finish();
    }
    return !m_running;
}

void ProcessRun::finish()
{
    if (!m_running)
        return;
    m_running = false;
    reap();
    closeDescriptors();
    if (onFinal)
        onFinal(m_end);
}

bool ProcessRun::signal(int signalNumber)
{
    return m_pidfd >= 0 && childLives() && SignalPidfd(m_pidfd, signalNumber);
}

int ProcessRun::wakeDescriptor() const
{
    if (childLives() && m_pidfd >= 0)
        return m_pidfd;
    return bytesWaiting() ? m_readEnd : -1;
}

pid_t ProcessRun::releaseChild()
{
    if (m_running || !childLives())
        return -1;
    const pid_t child = m_child;
    m_reaped = true;
    return child;
}

} // namespace brisquel
