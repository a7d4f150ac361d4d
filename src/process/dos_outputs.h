#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace brisquel {

class EventPump;
class ProcessRun;

// Runs one command line as a child process with its standard output and error captured on
// one pipe, raising the captured text in chunks while the command runs.
class DOSOutputs
{
public:
    // Receives the runner's own failure messages ("Command Line empty", ...).
    using MessageSink = std::function<void(const std::string& text)>;

    DOSOutputs(EventPump& pump, MessageSink messages);
    ~DOSOutputs();
    DOSOutputs(const DOSOutputs&) = delete;
    DOSOutputs& operator=(const DOSOutputs&) = delete;

    void setCommandLine(const std::string& commandLine);
    const std::string& CommandLine() const;

    // Everything the latest started run captured, in reading order.
    const std::string& Outputs() const;

    // Exit status of the latest started run's own child: -1 while unknown (not started,
    // still running, or ended by a signal).
    int ExitCode() const;

    // Whether the latest started run's own child was ended by a signal (killed or crashed),
    // so that whatever it wrote may stop short.
    bool EndedBySignal() const;

    // Whether the latest run was ended because its child printed nothing for the silence
    // limit.
    bool StoppedResponding() const;

    // A run whose child prints nothing for this long is ended as endRun(SIGTERM, 5 s) ends
    // it. Zero, the default, lets a run stay silent for ever.
    void setSilenceLimit(std::chrono::milliseconds limit);

    // Ends the running command: `firstSignal` to this runner's own child only, SIGKILL after
    // `killAfter` if it is still alive. The run then ends as usual once the child has ended
    // and its output is read, CommandOver raised once, whatever else of the watched name
    // runs. Nothing happens when no run is under way.
    void endRun(int firstSignal, std::chrono::milliseconds killAfter);

    // A non-empty argument first replaces CommandLine. Runs the command to its end, raising
    // ReceiveOutputs once per read and CommandOver once per started run, and returns Outputs.
    std::string ExecuteCommand(const std::string& commandLine = {});

    // The same run without waiting, for an owner that keeps several runs going at once:
    // Start returns at once (false when the command could not start, after its message;
    // no CommandOver then), and each Poll takes one pass. Such a run ends when its own child
    // has ended and its output is read, whatever else of the watched name runs; Poll raises
    // CommandOver then and returns false. The silence limit and endRun hold as above.
    bool Start(const std::string& commandLine = {});
    bool Poll();
    bool IsRunning() const { return m_run != nullptr; }
    // What Poll may wait on (see ProcessRun::wakeDescriptor); -1 when nothing.
    int WakeDescriptor() const;
    // The longest pause before the next Poll is due, in milliseconds.
    int PauseBeforePoll() const;

    // Events. Raised synchronously from inside ExecuteCommand and Poll.
    std::function<void(const std::string& CommandOutputs)> ReceiveOutputs;
    std::function<void()> CommandOver;

private:
    void showMessage(const std::string& text) const;
    void poll(ProcessRun& run);
    // Everything before the first pass; false when the run could not start.
    bool beginRun(ProcessRun& run);
    // One pass: true once the run is over. `byImageName`: any process of the watched name
    // keeps the run going, unless it is being ended.
    bool step(ProcessRun& run, bool byImageName);
    // The run is over: its status kept, CommandOver raised.
    void endRunNow(ProcessRun& run);
    // Collects the status of every own child that has ended, without waiting.
    void reapChildren();
    bool latestChildRunsAs(const std::string& imageName);
    bool latestChildLives() const;
    void signalChild(int signal);

    EventPump& m_pump;
    MessageSink m_messages;
    std::string m_commandLine;
    std::string m_outputs;
    int m_exitCode = -1;
    bool m_endedBySignal = false;
    bool m_stoppedResponding = false;
    std::chrono::milliseconds m_silenceLimit{0};
    // The run under way, if any: it signals its own child through a pidfd, so a signal can
    // never reach a process that took over the id of a child already reaped.
    ProcessRun* m_run = nullptr;
    // The run of Start, owned here since it outlives the call.
    std::unique_ptr<ProcessRun> m_ownRun;
    std::chrono::steady_clock::time_point m_lastOutput{};
    bool m_ending = false;
    std::optional<std::chrono::steady_clock::time_point> m_killAt;
    pid_t m_latestChild = -1;
    std::string m_latestImageName;
    // Own children of ended runs not reaped yet: a run may end (by image name) before its
    // child does.
    std::vector<pid_t> m_unreaped;
};

} // namespace brisquel
