#pragma once

#include "engine/batch_outcome.h"
#include "engine/batch_progress.h"
#include "engine/segment_files.h"
#include "process/dos_outputs.h"

#include <chrono>
#include <coroutine>
#include <exception>
#include <memory>
#include <cstdint>
#include <unordered_map>
#include <map>
#include <optional>
#include <utility>
#include <string>
#include <vector>

namespace brisquel {

class BatchHost;
class EventPump;

// A converter run that prints nothing for this long is taken for hung and ended. A healthy
// converter prints its progress twice a second.
inline constexpr std::chrono::milliseconds ConverterSilenceLimit = std::chrono::seconds(120);

// Converts the queue through the converter's three runs per file (first pass of a FLAC
// input, duration probe, conversion), one file after another or, when the host asks for
// more, up to that many files at once from the front of the list, and keeps the progress
// display.
// The window calls its entry points from the start click and the ticks of Timer1 and Timer2.
class BatchDriver
{
public:
    // `clock` times the batch for its time left; the steady clock when not given.
    BatchDriver(BatchHost& host, EventPump& pump, DOSOutputs::MessageSink messages,
                std::chrono::milliseconds silenceLimit = ConverterSilenceLimit, BatchProgress::Clock clock = {});
    BatchDriver(const BatchDriver&) = delete;
    BatchDriver& operator=(const BatchDriver&) = delete;

    // The start click: "Please add a file" on an empty queue, "Please choose a bitrate" (or
    // sample rate, channel) when a list that the chosen format uses has no choice; else locks
    // the command controls and arms Timer1.
    void StartConversion();

    // The program is ending: the running converter is ended and the batch returns as soon as
    // its run is over, its partial output removed, without its end steps.
    void abandonBatch();

    // STOP (the start image's click while a batch runs, or Esc): ends the running converter
    // run and leaves the current file and those after it queued. Waits for an open message
    // box of the batch to close; a second request adds nothing.
    void requestStop();

    // Tick of Timer1: runs the whole batch, returning when the queue is empty or a run could
    // not start.
    void onStartTimerTick();

    // Tick of Timer2: one step of the bar animation while a file is prepared.
    void onAnimationTimerTick();

    // The duration of the input being converted, in whole seconds; 0 while unknown. With
    // several files at once, that of the first converter slot.
    int totalSeconds() const { return m_slots.front()->TotalSeconds; }
    bool isRunning() const { return m_running; }
    // From the start click to the end of the batch.
    bool isActive() const { return m_batchActive; }
    // The latest batch's record.
    const BatchOutcome& outcome() const { return m_outcome; }

private:
    // How one file's steps ended, as the batch sees it.
    enum class FileEnd { Next, Abandoned, Stopped, NotStarted };

    // One file's steps as a coroutine: it runs straight through when files go one at a
    // time, and waits for each run's end while several go at once.
    struct FileTask
    {
        struct promise_type
        {
            FileEnd end = FileEnd::Next;
            std::exception_ptr error;
            FileTask get_return_object() { return FileTask{std::coroutine_handle<promise_type>::from_promise(*this)}; }
            std::suspend_never initial_suspend() noexcept { return {}; }
            std::suspend_always final_suspend() noexcept { return {}; }
            void return_value(FileEnd value) { end = value; }
            void unhandled_exception() { error = std::current_exception(); }
        };
        FileTask() = default;
        explicit FileTask(std::coroutine_handle<promise_type> h) : handle(h) {}
        FileTask(FileTask&& other) noexcept : handle(std::exchange(other.handle, {})) {}
        FileTask& operator=(FileTask&& other) noexcept
        {
            if (this != &other) {
                if (handle)
                    handle.destroy();
                handle = std::exchange(other.handle, {});
            }
            return *this;
        }
        ~FileTask()
        {
            if (handle)
                handle.destroy();
        }
        bool done() const { return !handle || handle.done(); }
        std::coroutine_handle<promise_type> handle;
    };

    // Where one file at a time is converted: its three runners and what they found.
    struct Slot
    {
        Slot(BatchDriver& driver, int number);
        const int number;
        DOSOutputs objDOS;
        DOSOutputs objDuration;
        DOSOutputs objSox;
        int TotalSeconds = 0;
        bool runOver = false;
        bool runEnded = false;
        bool headRemoved = false;
        bool converting = false;
        bool busy = false;
        DOSOutputs* active = nullptr;
        std::coroutine_handle<> waiting;
        FileTask task;
        // The file's result while its row stays in the list (stopped, or not started).
        FileResult endResult = FileResult::NotStarted;
        std::string endReason;
        // The output names the file's conversion may write, taken from every other file.
        std::optional<std::pair<unsigned long long, unsigned long long>> reservedFolder;
        std::string reservedName;
    };

    struct RunAwaiter
    {
        BatchDriver& driver;
        Slot& slot;
        DOSOutputs& runner;
        std::string commandLine;
        bool over = false;
        bool suspended = false;
        bool await_ready();
        bool await_suspend(std::coroutine_handle<> waiting);
        bool await_resume() const { return suspended ? slot.runOver : over; }
    };
    RunAwaiter runStep(Slot& slot, DOSOutputs& runner, std::string commandLine)
    {
        return RunAwaiter{*this, slot, runner, std::move(commandLine)};
    }

    void RunBatch();
    void runOneAtATime();
    void runSeveralAtOnce(int atOnce);
    FileTask convertFile(Slot& slot, int row);
    // The slot's file ended; false when the batch starts no further file.
    bool fileEnded(Slot& slot);
    // Runs a command line to its end; false when it could not start.
    bool run(Slot& slot, DOSOutputs& runner, const std::string& commandLine);
    // Starts a command line without waiting; false when it could not start.
    bool startRun(Slot& slot, DOSOutputs& runner, const std::string& commandLine);
    // Ends every run still under way at once, without waiting for its file (an error).
    void dropRuns();
    // Why the conversion just ended gives no result; empty when it does. `written`: the
    // segments it wrote.
    std::string conversionFailure(Slot& slot, const std::string& folder, const std::string& baseName,
                                  const std::string& extension, const std::optional<SegmentFiles>& before,
                                  std::vector<std::string>& written);
    // After the run that wrote `pieces` afresh: each replaces its piece. The converter's
    // reason when it could not, else empty.
    std::string renewedFlacPieces(Slot& slot, const std::vector<std::string>& pieces, bool ran);
    // The file's outcome, once its conversion and any renewal are over.
    void judgeConversion(Slot& slot, const std::string& source, const std::string& folder,
                         const std::vector<std::string>& written, std::string reason);
    void endStrayConverters();
    void finishFile(Slot& slot);
    void finishBatch();
    // Ends the batch without its end steps. Rows of files that began stay with their
    // result; every other row counts as not started.
    void stopBatch();
    void endBatch();
    void showMessage(const std::string& text);
    void endCurrentRun(Slot& slot);
    void endEveryRun();
    void fileJudged(Slot& slot, FileOutcome file);
    void refreshStatus();
    int busySlots() const;
    bool anyConverting() const;
    // The slot's row in the list, -1 once it has left.
    int rowOf(const Slot& slot) const;
    std::uintmax_t pendingBytes();
    std::uintmax_t fileSize(const std::string& path);
    BatchSettings currentSettings() const;
    // The slot's file failed before its conversion ran.
    void failFile(Slot& slot, const std::string& source, const std::string& reason);
    // The names in `folder` that the slot's conversion must not write over.
    std::vector<std::string> namesNotToWrite(const std::string& folder, const Slot& slot) const;
    void onProbeOutput(Slot& slot, const std::string& chunk);
    void onConversionOutput(Slot& slot, const std::string& chunk);
    std::string scratchWav(const Slot& slot) const;

    BatchHost& m_host;
    EventPump& m_pump;
    std::chrono::milliseconds m_silenceLimit;
    // The first serves one file at a time; more are made for files at once.
    std::vector<std::unique_ptr<Slot>> m_slots;
    // The slots whose rows lead the list, in its order.
    std::vector<Slot*> m_rows;
    bool m_atOnce = false;
    int m_splitSeconds = 0;
    bool m_abandoned = false;
    bool m_running = false;
    // What the batch's earlier files wrote: folder identity to file names.
    std::map<std::pair<unsigned long long, unsigned long long>, std::vector<std::string>> m_written;
    DOSOutputs::MessageSink m_messages;
    bool m_batchActive = false;
    bool m_finishing = false;
    bool m_stopRequested = false;
    int m_messageDepth = 0;
    int m_filesDone = 0;
    BatchProgress m_progress;
    BatchOutcome m_outcome;
    std::unordered_map<std::string, std::uintmax_t> m_sizes;
};

} // namespace brisquel
