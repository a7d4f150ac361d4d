#pragma once

#include "engine/batch_outcome.h"
#include "engine/batch_progress.h"
#include "engine/segment_files.h"
#include "process/dos_outputs.h"

#include <chrono>
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

// Converts the queue, one file after another, through the converter's three runs per file
// (first pass of a FLAC input, duration probe, conversion), and keeps the progress display.
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

    // The duration of the input being converted, in whole seconds; 0 while unknown.
    int totalSeconds() const { return TotalSeconds; }
    bool isRunning() const { return m_running; }
    // From the start click to the end of the batch.
    bool isActive() const { return m_batchActive; }
    // The latest batch's record.
    const BatchOutcome& outcome() const { return m_outcome; }

private:
    void RunBatch();
    // Runs a command line to its end; false when it could not start.
    bool run(DOSOutputs& runner, const std::string& commandLine);
    // Gives each FLAC piece just written its own STREAMINFO and frame count; the converter's
    // reason when it could not, else empty.
    std::string renewFlacPieces(const std::string& folder, const std::vector<std::string>& names);
    void endStrayConverters();
    void finishFile();
    void finishBatch();
    // Ends the batch without its end steps; the front entry, still queued, gets `headResult`.
    void stopBatch(FileResult headResult = FileResult::NotStarted, const std::string& reason = {});
    void endBatch();
    void showMessage(const std::string& text);
    void endCurrentRun();
    void fileJudged(FileOutcome file);
    void refreshStatus();
    std::uintmax_t pendingBytes();
    std::uintmax_t fileSize(const std::string& path);
    BatchSettings currentSettings() const;
    // The front entry failed before its conversion ran.
    void failFile(const std::string& source, const std::string& reason);
    // The file's outcome once its conversion run is over.
    void judgeConversion(const std::string& source, const std::string& folder, const std::string& baseName,
                         const std::string& extension, const std::optional<SegmentFiles>& before);
    // The names in `folder` that the front entry's conversion must not write over.
    std::vector<std::string> namesNotToWrite(const std::string& folder) const;
    void onProbeOutput(const std::string& chunk);
    void onConversionOutput(const std::string& chunk);
    std::string scratchWav() const;

    BatchHost& m_host;
    EventPump& m_pump;
    DOSOutputs objDOS;
    DOSOutputs objDuration;
    DOSOutputs objSox;
    int TotalSeconds = 0;
    int m_splitSeconds = 0;
    bool m_runOver = false;
    bool m_running = false;
    bool m_abandoned = false;
    DOSOutputs* m_active = nullptr;
    // What the batch's earlier files wrote: folder identity to file names.
    std::map<std::pair<unsigned long long, unsigned long long>, std::vector<std::string>> m_written;
    DOSOutputs::MessageSink m_messages;
    bool m_headRemoved = false;
    bool m_batchActive = false;
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
