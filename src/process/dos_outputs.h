#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace brisquel {

class EventPump;

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

    // A non-empty argument first replaces CommandLine. Runs the command to its end, raising
    // ReceiveOutputs once per read and CommandOver once per started run, and returns Outputs.
    std::string ExecuteCommand(const std::string& commandLine = {});

    // Events. Raised synchronously from inside ExecuteCommand.
    std::function<void(const std::string& CommandOutputs)> ReceiveOutputs;
    std::function<void()> CommandOver;

private:
    void showMessage(const std::string& text) const;
    void poll(int readEnd);
    // Collects the status of every own child that has ended, without waiting.
    void reapChildren();
    bool latestChildRunsAs(const std::string& imageName);

    EventPump& m_pump;
    MessageSink m_messages;
    std::string m_commandLine;
    std::string m_outputs;
    int m_exitCode = -1;
    bool m_endedBySignal = false;
    pid_t m_latestChild = -1;
    std::string m_latestImageName;
    // Own children not reaped yet: a run may end (by image name) before its child does.
    std::vector<pid_t> m_unreaped;
};

} // namespace brisquel
