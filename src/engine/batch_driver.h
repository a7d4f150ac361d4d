#pragma once

#include "engine/batch_outcome.h"
#include "engine/batch_progress.h"
#include "process/dos_outputs.h"

#include <cstdint>
#include <string>
#include <unordered_map>

namespace brisquel {

class BatchHost;
class EventPump;

// Converts the queue, one file after another, through the converter's three runs per file
// (first pass of a FLAC input, duration probe, conversion), and keeps the progress display.
// The window calls its entry points from the start click and the ticks of Timer1 and Timer2.
class BatchDriver
{
public:
    // `clock` times the batch for its time left; the steady clock when not given.
    BatchDriver(BatchHost& host, EventPump& pump, DOSOutputs::MessageSink messages, BatchProgress::Clock clock = {});
    BatchDriver(const BatchDriver&) = delete;
    BatchDriver& operator=(const BatchDriver&) = delete;

    // The start click: "Please add a file" on an empty queue, else locks the command
    // controls and arms Timer1.
    void StartConversion();

    // STOP (the start image's click while a batch runs, or Esc): ends the running converter
    // run and leaves the current file and those after it queued. Waits for an open message
    // box of the batch to close; a second request adds nothing.
    void requestStop();

    // Tick of Timer1: runs the whole batch, returning when the queue is empty or a run could
    // not start.
    void onStartTimerTick();

    // Tick of Timer2: one step of the bar animation while a file is prepared.
    void onAnimationTimerTick();

    // The duration of the input being converted, in whole seconds; 0 while unknown.
    int totalSeconds() const { return TotalSeconds; }
    bool isRunning() const { return m_running; }
    // From the start click to the end of the batch.
    bool isActive() const { return m_active; }
    // The latest batch's record.
    const BatchOutcome& outcome() const { return m_outcome; }

private:
    void RunBatch();
    // Runs a command line to its end; false when it could not start.
    bool run(DOSOutputs& runner, const std::string& commandLine);
    void finishFile();
    void finishBatch();
    void stopBatch(FileResult headResult, const std::string& reason = {});
    void endBatch();
    void showMessage(const std::string& text);
    void endCurrentRun();
    void refreshStatus();
    std::uintmax_t pendingBytes();
    std::uintmax_t fileSize(const std::string& path);
    BatchSettings currentSettings() const;
    void onProbeOutput(const std::string& chunk);
    void onConversionOutput(const std::string& chunk);
    std::string scratchWav() const;

    BatchHost& m_host;
    EventPump& m_pump;
    DOSOutputs objDOS;
    DOSOutputs objDuration;
    DOSOutputs objSox;
    DOSOutputs::MessageSink m_messages;
    DOSOutputs* m_current = nullptr; // the run in progress
    int TotalSeconds = 0;
    int m_splitSeconds = 0;
    bool m_runOver = false;
    bool m_headRemoved = false;
    bool m_running = false;
    bool m_active = false;
    bool m_finishing = false;
    bool m_stopRequested = false;
    bool m_runEnded = false;
    int m_messageDepth = 0;
    int m_filesDone = 0;
    BatchProgress m_progress;
    BatchOutcome m_outcome;
    std::unordered_map<std::string, std::uintmax_t> m_sizes;
};

} // namespace brisquel
