#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace brisquel {

// How a run ended, as its final event tells it.
struct RunEnd
{
    enum class Start { Started, NoPipe, NotStarted };
    Start start = Start::Started;
    int pipeError = 0;          // errno of a pipe that could not be made
    int exitCode = -1;          // -1 while unknown: ended by a signal, or alive when the run was ended
    bool endedBySignal = false;
};

// One run of a program whose standard output and error share one pipe. start() returns at
// once; the owner calls poll() whenever it likes (from a timer, or when wakeDescriptor()
// turns readable). Each poll takes at most one chunk of ChunkSize bytes and raises it, in
// reading order; once the program's own child has ended and its pipe is drained, the run
// is over and raises its final event. The final event fires exactly once per start(): from
// inside start() when the program cannot be started, else from poll() or finish().
class ProcessRun
{
public:
    static constexpr std::size_t ChunkSize = 1024;

    ProcessRun() = default;
    // A run still under way is dropped without its final event; its child is left to the
    // parent-death signal the spawn sets.
    ~ProcessRun();
    ProcessRun(const ProcessRun&) = delete;
    ProcessRun& operator=(const ProcessRun&) = delete;

    std::function<void(const std::string& chunk)> onChunk;
    std::function<void(const RunEnd& end)> onFinal;

    // Starts `arguments` (stdin /dev/null, no other descriptor inherited); false when it
    // could not, after the final event.
    bool start(const std::vector<std::string>& arguments);

    // One pass; true once the run is over.
    bool poll();

    bool isRunning() const { return m_running; }
    pid_t pid() const { return m_child; }
    const RunEnd& end() const { return m_end; }

    // The steps poll() is made of, for an owner with an end rule of its own.
    void reap();                   // collects the child's status once it has ended
    bool childLives() const;       // as of the last reap
    bool bytesWaiting() const;     // a failed size query counts as bytes waiting
    enum class Read { Chunk, Failed };
    Read readChunk();              // raises the chunk; a failed read raises an empty one
    void finish();                 // ends the run now: pipe closed, final event (once)
    bool signal(int signalNumber); // to the own child only, through its pidfd

    // What to wait on between passes: the child's pidfd while it lives, then the pipe while
    // it holds bytes; -1 when neither.
    int wakeDescriptor() const;

    // After finish(): the child if it is still alive, handed to the caller to reap; the
    // run forgets it. -1 when it was reaped already.
    pid_t releaseChild();

private:
    void closeDescriptors();

    int m_readEnd = -1;
    int m_pidfd = -1;
    pid_t m_child = -1;
    bool m_reaped = false;
    bool m_running = false;
    RunEnd m_end;
};

} // namespace brisquel
