#include "engine/batch_driver.h"

#include "engine/batch_host.h"
#include "engine/batch_report.h"
#include "engine/command_lines.h"
#include "engine/converter_output.h"
#include "engine/failure_report.h"
#include "engine/progress.h"
#include "engine/segment_files.h"
#include "engine/split_length.h"
#include "input/get_file.h"
#include "process/event_pump.h"
#include "process/process_list.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace brisquel {

namespace {

constexpr const char* ConverterImage = "conv.exe";
constexpr std::chrono::milliseconds StopGrace{5000};

// One level only: a folder whose parent is missing is passed over, as is one that exists.
void makeFolder(const std::string& path, mode_t mode)
{
    if (!path.empty())
        mkdir(path.c_str(), mode);
}

// The scratch folder is private to the user, and made with its parents: the per-user cache
// folder above it need not exist yet.
void makeScratchFolder(const std::string& path)
{
    for (std::size_t slash = path.find(PathSeparator, 1); slash != std::string::npos;
         slash = path.find(PathSeparator, slash + 1))
        makeFolder(path.substr(0, slash), 0700);
    makeFolder(path, 0700);
}

} // namespace

BatchDriver::BatchDriver(BatchHost& host, EventPump& pump, DOSOutputs::MessageSink messages, BatchProgress::Clock clock)
    : m_host(host)
    , m_pump(pump)
    , objDOS(pump, [this](const std::string& text) { showMessage(text); })
    , objDuration(pump, [this](const std::string& text) { showMessage(text); })
    , objSox(pump, [this](const std::string& text) { showMessage(text); })
    , m_messages(std::move(messages))
    , m_progress(clock ? std::move(clock) : BatchProgress::Clock([] { return std::chrono::steady_clock::now(); }))
{
    objDOS.ReceiveOutputs = [this](const std::string& chunk) { onConversionOutput(chunk); };
    objDOS.CommandOver = [this] {
        m_runOver = true;
        // A stopped file stays queued, to be converted by a later batch.
        m_headRemoved = !m_stopRequested;
        if (m_headRemoved)
            finishFile();
    };
    objDuration.ReceiveOutputs = [this](const std::string& chunk) { onProbeOutput(chunk); };
    // Only to tell a run that ended from one that never started.
    objDuration.CommandOver = [this] { m_runOver = true; };
    objSox.CommandOver = [this] { m_runOver = true; };
}

void BatchDriver::StartConversion()
{
    if (m_host.queueCount() == 0) {
        m_host.showMessage(BatchHost::MessageIcon::Warning, "Add", "Please add a file", {});
        return;
    }
    m_active = true;
    m_stopRequested = false;
    m_host.setToolbarEnabled(false);
    m_host.setConvertStop(true);
    m_host.setStartTimer(true);
}

void BatchDriver::requestStop()
{
    if (!m_active || m_finishing || m_stopRequested)
        return;
    m_stopRequested = true;
    // The box's owner is still waiting on it; the run ends once it is closed.
    if (m_messageDepth == 0)
        endCurrentRun();
}

// SIGINT lets the converter close the output it is writing; one that does not end soon
// after is killed.
void BatchDriver::endCurrentRun()
{
    if (!m_current || m_runEnded)
        return;
    m_runEnded = true;
    m_current->endRun(SIGINT, StopGrace);
}

void BatchDriver::showMessage(const std::string& text)
{
    ++m_messageDepth;
    if (m_messages)
        m_messages(text);
    --m_messageDepth;
    if (m_stopRequested && m_messageDepth == 0)
        endCurrentRun();
}

void BatchDriver::onStartTimerTick()
{
    m_host.setStartTimer(false);
    // A tick that arrives while a batch runs (the timer re-armed from inside it) must not
    // start a second batch inside the first.
    if (m_running)
        return;
    m_pump.ProcessPending();
    m_running = true;
    RunBatch();
    m_running = false;
    m_active = false;
}

void BatchDriver::onAnimationTimerTick()
{
    m_host.setProgressWidth(AnimationStep(m_host.progressWidth()));
}

std::string BatchDriver::scratchWav() const
{
    return m_host.scratchFolder() + PathSeparator + "tmp.wav";
}

bool BatchDriver::run(DOSOutputs& runner, const std::string& commandLine)
{
    WatchedImageName = ConverterImage;
    m_runOver = false;
    m_runEnded = false;
    // A stop that came between two runs starts no further one.
    if (m_stopRequested)
        return false;
    runner.setCommandLine(commandLine);
    m_current = &runner;
    runner.ExecuteCommand();
    m_current = nullptr;
    return m_runOver;
}

std::uintmax_t BatchDriver::fileSize(const std::string& path)
{
    const auto known = m_sizes.find(path);
    if (known != m_sizes.end())
        return known->second;
    struct stat info {};
    const std::uintmax_t size = stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? static_cast<std::uintmax_t>(info.st_size) : 0;
    m_sizes.emplace(path, size);
    return size;
}

// The files behind the head of the queue, added during the batch included.
std::uintmax_t BatchDriver::pendingBytes()
{
    std::uintmax_t total = 0;
    for (int i = 1, count = m_host.queueCount(); i < count; ++i)
        total += fileSize(m_host.queuePath(i));
    return total;
}

void BatchDriver::refreshStatus()
{
    const auto estimate = m_progress.estimate(pendingBytes());
    const int count = m_filesDone + std::max(1, m_host.queueCount());
    m_host.showBatchProgress(BatchStatusText(std::min(m_filesDone + 1, count), count, estimate, m_progress.speed()),
                             estimate ? std::optional<double>(estimate->fractionDone) : std::nullopt);
}

BatchSettings BatchDriver::currentSettings() const
{
    static constexpr const char* Units[] = {"seconds", "minutes", "hours"};
    std::string format = OutputExtension(m_host.formatIndex());
    if (!format.empty() && format[0] == '.')
        format.erase(0, 1);
    for (char& c : format)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    const int channels = m_host.channelIndex() + 1;
    BatchSettings settings;
    settings.format = format;
    settings.bitrate = m_host.bitrateText();
    settings.rate = m_host.rateText();
    settings.channels = std::to_string(channels) + (channels == 1 ? " channel" : " channels");
    settings.split = m_host.splitText() + " " + Units[std::clamp(m_host.unitIndex(), 0, 2)];
    settings.outputFolder = m_host.outputFolderText();
    return settings;
}

void BatchDriver::RunBatch()
{
    m_splitSeconds = 0;
    m_filesDone = 0;
    m_finishing = false;
    m_sizes.clear();
    m_outcome = {};
    m_outcome.started = std::chrono::system_clock::now();
    m_outcome.settings = currentSettings();
    m_progress.begin();
    makeFolder(m_host.outputFolderText(), 0777);
    makeScratchFolder(m_host.scratchFolder());

    while (m_host.queueCount() > 0) {
        if (m_stopRequested) {
            stopBatch(FileResult::NotStarted);
            return;
        }
        const std::string input = m_host.queuePath(0);
        m_splitSeconds = SplitLength(m_host.splitText(), m_host.unitIndex(), m_splitSeconds);
        const std::string folder = OutputFolder(m_host.outputFolderText());
        m_host.setProgressCaption("Preparing Files...");
        m_host.setAnimationTimer(true);
        m_progress.startFile(fileSize(input));
        refreshStatus();
        KillProcessByName(ConverterImage);
        unlink(scratchWav().c_str());

        const std::string program = m_host.programFolder();
        bool started;
        if (IsFlacInput(input)) {
            started = run(objSox, FirstPassCommandLine(program, input, scratchWav()));
            if (started && !m_stopRequested) {
                KillProcessByName(ConverterImage);
                started = run(objDuration, ScratchProbeCommandLine(program, scratchWav()));
            }
        } else {
            KillProcessByName(ConverterImage);
            started = run(objDuration, ProbeCommandLine(program, input));
        }
        if (m_stopRequested) {
            stopBatch(FileResult::Stopped);
            return;
        }
        if (!started) {
            stopBatch(FileResult::NotStarted, "the converter could not be started");
            return;
        }
        m_progress.setDuration(TotalSeconds);
        refreshStatus();

        ConversionSettings settings;
        settings.programFolder = program;
        settings.input = input;
        settings.outputFolder = folder;
        settings.formatIndex = m_host.formatIndex();
        settings.bitrateText = m_host.bitrateText();
        settings.rateText = m_host.rateText();
        settings.channelIndex = m_host.channelIndex();
        settings.splitSeconds = m_splitSeconds;
        const std::string command = ConversionCommandLine(settings);
        m_host.setAnimationTimer(false);

        // Segments left from an earlier run must not pass for this run's output.
        const std::string baseName = GetBaseName(input);
        const std::string extension = OutputExtension(settings.formatIndex);
        const SegmentFiles before = ListSegmentFiles(folder, baseName, extension);
        m_headRemoved = false;
        const bool converted = run(objDOS, command);
        const std::vector<std::string> written = WrittenSegments(before, ListSegmentFiles(folder, baseName, extension));
        if (m_stopRequested && !m_headRemoved) {
            // The file was not converted, so nothing of it may stay behind.
            for (const std::string& name : written)
                unlink((folder + name).c_str());
            stopBatch(FileResult::Stopped);
            return;
        }
        if (!converted) {
            stopBatch(FileResult::NotStarted, "the converter could not be started");
            return;
        }
        const int exitCode = objDOS.ExitCode();
        // A converter that was killed, or that could not finish its output (a full disk),
        // has left at most part of the file converted, whatever segments it wrote.
        const std::string writeError = OutputWriteError(objDOS.Outputs());
        FileOutcome file{input, FileResult::Failed, {}, written};
        if (objDOS.EndedBySignal())
            file.reason = "the converter was ended before it finished";
        else if (!writeError.empty())
            file.reason = writeError;
        else if ((exitCode != 0 && exitCode != -1) || written.empty())
            file.reason = ConverterErrorLine(objDOS.Outputs());
        else
            file.result = FileResult::Converted;
        m_outcome.files.push_back(std::move(file));
        ++m_filesDone;
        m_progress.finishFile();

        m_pump.ProcessPending();
    }
    if (m_stopRequested) {
        stopBatch(FileResult::NotStarted);
        return;
    }
    finishBatch();
}

void BatchDriver::finishFile()
{
    if (m_host.queueCount() > 0)
        m_host.removeQueueHead();
    unlink(scratchWav().c_str());
    TotalSeconds = 0;
}

void BatchDriver::finishBatch()
{
    m_finishing = true;
    m_host.openFolder(m_host.outputFolderText());
    if (m_host.soundReminder() == 0)
        m_host.playReminderSound();
    m_host.showDropZone();
    m_host.setAnimationTimer(false);
    m_host.setConvertStop(false);
    m_host.setToolbarEnabled(true);
    m_host.setProgressWidth(0);
    m_host.setProgressCaption(DoneCaption(m_outcome.count(FileResult::Failed)));
    endBatch();
}

// The batch ends without its end steps: stopped by the user, or the converter could not be
// started, when every further file would fail the same way. The head file and every file
// after it stay queued.
void BatchDriver::stopBatch(FileResult headResult, const std::string& reason)
{
    m_finishing = true;
    m_outcome.stopped = m_stopRequested;
    for (int i = 0, count = m_host.queueCount(); i < count; ++i) {
        if (i == 0)
            m_outcome.files.push_back({m_host.queuePath(0), headResult, reason, {}});
        else
            m_outcome.files.push_back({m_host.queuePath(i), FileResult::NotStarted, {}, {}});
    }
    unlink(scratchWav().c_str());
    TotalSeconds = 0;
    m_host.setAnimationTimer(false);
    m_host.setConvertStop(false);
    m_host.setToolbarEnabled(true);
    m_host.setProgressWidth(0);
    m_host.setProgressCaption("Stopped.");
    endBatch();
}

void BatchDriver::endBatch()
{
    m_outcome.ended = std::chrono::system_clock::now();
    m_outcome.duration = m_progress.elapsed();
    const std::string report = BatchReportText(m_outcome);
    const std::string reportFile = m_host.reportFile();
    if (!reportFile.empty())
        WriteBatchReport(reportFile, report);
    m_host.batchEnded(m_outcome);
    std::vector<FailedFile> failed;
    for (const FileOutcome& file : m_outcome.files) {
        if (file.result == FileResult::Failed)
            failed.push_back({file.input, file.reason});
    }
    if (!failed.empty())
        m_host.showMessage(BatchHost::MessageIcon::Warning, "Convert", FailureReportText(failed), report);
}

void BatchDriver::onProbeOutput(const std::string& chunk)
{
    if (TotalSeconds != 0)
        return;
    if (const auto duration = DurationFromChunk(chunk, [this] { m_pump.ProcessPending(); }))
        TotalSeconds = *duration;
}

void BatchDriver::onConversionOutput(const std::string& chunk)
{
    const auto view = ConversionProgress(chunk, TotalSeconds, m_host.musicCutter() != 0, m_host.cutLengthSeconds());
    if (!view)
        return;
    m_host.setProgressWidth(view->width);
    m_host.setProgressCaption(view->caption);
    m_progress.setDuration(TotalSeconds);
    const MarkerScan time = ScanMarker(chunk, TimeMarker);
    m_progress.setPosition(time.collected.starts_with('-') ? 0 : ReadTimeValue(time.collected).value_or(0));
    if (const auto speed = SpeedFromChunk(chunk))
        m_progress.setSpeed(*speed);
    refreshStatus();
}

} // namespace brisquel
