#include "process/dos_outputs.h"

#include "process/cls_waitable_timer.h"
#include "process/command_line.h"
#include "process/core_text.h"
#include "process/event_pump.h"
#include "process/process_list.h"
#include "process/process_run.h"

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

constexpr int kPollMilliSeconds = 50;
constexpr std::chrono::seconds kKillAfterSilence{5};
using Clock = std::chrono::steady_clock;

} // namespace

DOSOutputs::DOSOutputs(EventPump& pump, MessageSink messages)
    : m_pump(pump)
    , m_messages(std::move(messages))
{
}

DOSOutputs::~DOSOutputs()
{
    // A run of Start still under way ends with its owner, and leaves no zombie behind.
    if (m_ownRun && m_run == m_ownRun.get()) {
        m_ownRun->signal(SIGKILL);
        m_ownRun->onChunk = nullptr;
        m_ownRun->finish();
        if (const pid_t child = m_ownRun->releaseChild(); child >= 0)
            while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
            }
    }
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
    if (m_run)
        return m_run->childLives();
    return std::find(m_unreaped.begin(), m_unreaped.end(), m_latestChild) != m_unreaped.end();
}

void DOSOutputs::signalChild(int signal)
{
    if (m_run)
        m_run->signal(signal);
}

void DOSOutputs::endRun(int firstSignal, std::chrono::milliseconds killAfter)
{
    if (!m_run)
        return;
    m_run->reap();
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
    if (m_run)
        m_run->reap();
    reapChildren();
    return latestChildLives() && IsSameImageName(m_latestImageName, imageName);
}

bool DOSOutputs::beginRun(ProcessRun& run)
{
    // Whatever happens below, nothing of an earlier run's result may pass for this one's.
    m_exitCode = -1;
    m_endedBySignal = false;
    m_stoppedResponding = false;
    if (m_commandLine.empty()) {
        showMessage(CoreText("DOSOutputs", "Command Line empty"));
        return false;
    }

    const std::vector<std::string> arguments = SplitCommandLine(m_commandLine);
    run.onChunk = [this](const std::string& chunk) {
        m_outputs += chunk;
        if (ReceiveOutputs)
            ReceiveOutputs(chunk);
    };
    if (!run.start(arguments)) {
        if (run.end().start == RunEnd::Start::NoPipe)
            showMessage(CoreText("DOSOutputs", "CreatePipe failed. Error: ") + std::to_string(run.end().pipeError));
        else
            showMessage(CoreText("DOSOutputs", "File or command not found"));
        return false;
    }
    m_latestChild = run.pid();
    m_latestImageName = arguments.front().substr(arguments.front().rfind('/') + 1);
    m_outputs.clear();
    m_run = &run;
    m_ending = false;
    m_killAt.reset();
    m_lastOutput = Clock::now();
    return true;
}

void DOSOutputs::endRunNow(ProcessRun& run)
{
    run.finish();
    m_run = nullptr;
    m_ending = false;
    m_killAt.reset();
    m_exitCode = run.end().exitCode;
    m_endedBySignal = run.end().endedBySignal;
    // The run ended by image name while its child still runs: its status comes later.
    if (const pid_t child = run.releaseChild(); child >= 0)
        m_unreaped.push_back(child);
}

std::string DOSOutputs::ExecuteCommand(const std::string& commandLine)
{
    if (!commandLine.empty())
        m_commandLine = commandLine;
    ProcessRun run;
    if (!beginRun(run))
        return {};

    // A failure of the wait or of a handler still ends the run like any other: handles
    // closed, CommandOver raised; then it goes on to the caller.
    std::exception_ptr failure;
    try {
        poll(run);
    } catch (...) {
        failure = std::current_exception();
    }
    endRunNow(run);
    if (CommandOver)
        CommandOver();
    if (failure)
        std::rethrow_exception(failure);
    return m_outputs;
}

bool DOSOutputs::Start(const std::string& commandLine)
{
    if (!commandLine.empty())
        m_commandLine = commandLine;
    if (m_run)
        return false;
    m_ownRun = std::make_unique<ProcessRun>();
    if (!beginRun(*m_ownRun)) {
        m_ownRun.reset();
        return false;
    }
    return true;
}

bool DOSOutputs::Poll()
{
    if (!m_run || m_run != m_ownRun.get())
        return false;
    if (!step(*m_run, false))
        return true;
    endRunNow(*m_ownRun);
    // The run object goes before the event, whose handler may start the next run.
    m_ownRun.reset();
    if (CommandOver)
        CommandOver();
    return false;
}

int DOSOutputs::WakeDescriptor() const
{
    return m_run ? m_run->wakeDescriptor() : -1;
}

int DOSOutputs::PauseBeforePoll() const
{
    if (m_run && m_run == m_ownRun.get() && (!m_run->childLives() || m_run->bytesWaiting()))
        return 0;
    if (!m_killAt)
        return kPollMilliSeconds;
    const auto due = std::chrono::ceil<std::chrono::milliseconds>(*m_killAt - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(due, 0, kPollMilliSeconds));
}

bool DOSOutputs::step(ProcessRun& run, bool byImageName)
{
    bool last = false;
    // Reaped at once, the own child never lingers as a zombie and its status is kept.
    run.reap();
    reapChildren();

    if (run.bytesWaiting()) {
        // A failed read (or end of file) still raises its empty chunk, and is the last.
        if (run.readChunk() == ProcessRun::Read::Chunk)
            m_lastOutput = Clock::now();
        else
            last = true;
    } else if (m_ending || !byImageName ? !run.childLives()
                                        : !latestChildRunsAs(WatchedImageName) && !IsProcessRunning(WatchedImageName)) {
        // By image name, any process of that name keeps the run polling, unless the run is
        // being ended. A child that wrote its last lines and ended between the query and
        // the scan has left them in the pipe: ask once more, or they would be lost.
        last = !run.bytesWaiting();
    }

    if (!last && !m_ending && m_silenceLimit.count() > 0 && Clock::now() - m_lastOutput >= m_silenceLimit) {
        m_stoppedResponding = true;
        endRun(SIGTERM, kKillAfterSilence);
    }
    if (m_killAt && Clock::now() >= *m_killAt) {
        m_killAt.reset();
        run.reap();
        signalChild(SIGKILL);
    }
    return last;
}

void DOSOutputs::poll(ProcessRun& run)
{
    clsWaitableTimer timer(m_pump);
    do {
        const bool last = step(run, true);
        m_pump.ProcessPending();
        if (last)
            break; // nothing is left to wait for
        // Once the child has ended, what it left in the pipe is taken without pausing; an
        // empty pipe then waits the full pause, as another process of the watched name may
        // keep the run alive.
        timer.Wait(PauseBeforePoll(), run.wakeDescriptor());
    } while (true);
}

} // namespace brisquel
