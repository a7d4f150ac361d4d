#include "engine/batch_driver.h"

#include "engine/batch_host.h"
#include "engine/batch_report.h"
#include "engine/command_lines.h"
#include "engine/converter_output.h"
#include "engine/failure_report.h"
#include "engine/progress.h"
#include "engine/segment_files.h"
#include "engine/short_conversion.h"
#include "engine/split_length.h"
#include "process/core_text.h"
#include "input/file_kind.h"
#include "input/get_file.h"
#include "process/event_pump.h"
#include "process/process_list.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace brisquel {

namespace {

constexpr const char* ConverterImage = "conv.exe";
// SIGINT lets the converter close the output it is writing; one that has not ended this
// long after is killed.
constexpr std::chrono::milliseconds StopGrace{5000};
constexpr const char* NotStartedReason = CORE_TEXT_NOOP("BatchDriver", "the converter could not be started");

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

// The time a converter that is asked to stop (the program is ending) has to finish.
constexpr std::chrono::seconds AbandonKillAfter{2};

constexpr const char* NotRegularReason = CORE_TEXT_NOOP("BatchDriver", "not a regular file");
constexpr const char* SilentReason = CORE_TEXT_NOOP("BatchDriver", "the converter stopped responding");
constexpr const char* KilledReason = CORE_TEXT_NOOP("BatchDriver", "the converter was ended before it finished");
constexpr const char* LostStatusReason = CORE_TEXT_NOOP("BatchDriver", "the converter's exit status was lost");
constexpr const char* PartialRemoved = CORE_TEXT_NOOP("BatchDriver", " (partial output removed)");

using FolderIdentity = std::pair<unsigned long long, unsigned long long>;

// A folder named in two ways (a link, "a/./b", a trailing separator) is the same folder.
std::optional<FolderIdentity> folderIdentity(const std::string& folder)
{
    struct stat info {};
    if (stat(folder.empty() ? "." : folder.c_str(), &info) != 0)
        return std::nullopt;
    return FolderIdentity{info.st_dev, info.st_ino};
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind(PathSeparator);
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

} // namespace

BatchDriver::BatchDriver(BatchHost& host, EventPump& pump, DOSOutputs::MessageSink messages,
                         std::chrono::milliseconds silenceLimit, BatchProgress::Clock clock)
    : m_host(host)
    , m_pump(pump)
    , objDOS(pump, [this](const std::string& text) { showMessage(text); })
    , objDuration(pump, [this](const std::string& text) { showMessage(text); })
    , objSox(pump, [this](const std::string& text) { showMessage(text); })
    , m_messages(std::move(messages))
    , m_progress(clock ? std::move(clock) : BatchProgress::Clock([] { return std::chrono::steady_clock::now(); }))
{
    for (DOSOutputs* runner : {&objDOS, &objDuration, &objSox})
        runner->setSilenceLimit(silenceLimit);
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
        m_host.showMessage(BatchHost::MessageIcon::Warning, CoreText("BatchDriver", "Add"),
                           CoreText("BatchDriver", "Please add a file"), {});
        return;
    }
    // A list left with no choice (a setup.ini holding -1) would give every file a broken
    // command line.
    const int formatIndex = m_host.formatIndex();
    // As in the command line, a position outside the list counts as MP3.
    const auto format = formatIndex >= 0 && formatIndex < OutputFormatCount ? static_cast<OutputFormat>(formatIndex)
                                                                            : OutputFormat::Mp3;
    const bool usesRateAndChannels = format == OutputFormat::Mp3 || format == OutputFormat::Mpg;
    const char* missing = nullptr;
    if ((usesRateAndChannels || format == OutputFormat::Aac) && m_host.bitrateText().empty())
        missing = CORE_TEXT_NOOP("BatchDriver", "Please choose a bitrate");
    else if (usesRateAndChannels && m_host.rateText().empty())
        missing = CORE_TEXT_NOOP("BatchDriver", "Please choose a sample rate");
    else if (usesRateAndChannels && m_host.channelIndex() < 0)
        missing = CORE_TEXT_NOOP("BatchDriver", "Please choose a channel");
    if (missing) {
        m_host.showMessage(BatchHost::MessageIcon::Warning, CoreText("BatchDriver", "Convert"),
                           CoreText("BatchDriver", missing), {});
        return;
    }
    m_batchActive = true;
    m_stopRequested = false;
    m_host.setToolbarEnabled(false);
    m_host.setConvertStop(true);
    m_host.setStartTimer(true);
}

void BatchDriver::requestStop()
{
    if (!m_batchActive || m_finishing || m_stopRequested)
        return;
    m_stopRequested = true;
    // The box's owner is still waiting on it; the run ends once it is closed.
    if (m_messageDepth == 0)
        endCurrentRun();
}

void BatchDriver::endCurrentRun()
{
    if (!m_active || m_runEnded)
        return;
    m_runEnded = true;
    m_active->endRun(SIGINT, StopGrace);
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
    m_abandoned = false;
    try {
        RunBatch();
    } catch (...) {
        // The window must not stay locked behind a batch that is no longer running.
        m_running = false;
        m_active = nullptr;
        stopBatch();
        m_batchActive = false;
        throw;
    }
    m_running = false;
    m_batchActive = false;
}

void BatchDriver::abandonBatch()
{
    m_abandoned = true;
    if (m_active)
        m_active->endRun(SIGTERM, AbandonKillAfter);
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
    m_active = &runner;
    // Whatever ends the run, it is no longer the one to end.
    struct Inactive
    {
        DOSOutputs*& active;
        ~Inactive() { active = nullptr; }
    } inactive{m_active};
    runner.ExecuteCommand();
    return m_runOver;
}

std::uintmax_t BatchDriver::fileSize(const std::string& path)
{
    const auto known = m_sizes.find(path);
    if (known != m_sizes.end())
        return known->second;
    struct stat info {};
    const bool regular = stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    const std::uintmax_t size = regular ? static_cast<std::uintmax_t>(info.st_size) : 0;
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
    m_written.clear();
    m_filesDone = 0;
    m_finishing = false;
    m_sizes.clear();
    m_outcome = {};
    m_outcome.started = std::chrono::system_clock::now();
    m_outcome.settings = currentSettings();
    m_progress.begin();
    makeFolder(m_host.outputFolderText(), 0777);
    makeScratchFolder(m_host.scratchFolder());

    while (m_host.queueCount() > 0 && !m_abandoned) {
        if (m_stopRequested) {
            stopBatch(FileResult::NotStarted);
            return;
        }
        const std::string input = m_host.queuePath(0);
        const std::string source = m_host.queueSourcePath(0);
        m_splitSeconds = SplitLength(m_host.splitText(), m_host.unitIndex(), m_splitSeconds);
        const std::string folder = OutputFolder(m_host.outputFolderText());
        m_host.setProgressCaption(CoreText("BatchDriver", "Preparing Files..."));
        m_host.setAnimationTimer(true);
        m_progress.startFile(fileSize(input));
        refreshStatus();
        KillProcessByName(ConverterImage);
        unlink(scratchWav().c_str());

        // Known bad before the converter sees it: a copy that could not be made would be
        // converted empty; a FIFO or device (put in place of a file since it was queued)
        // would hold the converter for ever.
        if (const std::string failure = m_host.queueIntakeFailure(0); !failure.empty()) {
            failFile(source, failure);
            continue;
        }
        if (IsSpecialFile(input)) {
            failFile(source, CoreText("BatchDriver", NotRegularReason));
            continue;
        }

        const std::string program = m_host.programFolder();
        bool started;
        DOSOutputs* last = nullptr;
        if (IsFlacInput(input)) {
            last = &objSox;
            started = run(objSox, FirstPassCommandLine(program, input, scratchWav()));
            if (started && !objSox.StoppedResponding() && !m_abandoned && !m_stopRequested) {
                KillProcessByName(ConverterImage);
                last = &objDuration;
                started = run(objDuration, ScratchProbeCommandLine(program, scratchWav()));
            }
        } else {
            KillProcessByName(ConverterImage);
            last = &objDuration;
            started = run(objDuration, ProbeCommandLine(program, input));
        }
        if (m_abandoned)
            break;
        if (m_stopRequested) {
            stopBatch(FileResult::Stopped);
            return;
        }
        if (!started) {
            stopBatch(FileResult::NotStarted, CoreText("BatchDriver", NotStartedReason));
            return;
        }
        if (last->StoppedResponding()) {
            failFile(source, CoreText("BatchDriver", SilentReason));
            continue;
        }
        m_progress.setDuration(TotalSeconds);
        refreshStatus();

        const std::string extension = OutputExtension(m_host.formatIndex());
        const std::string baseName = UniqueOutputBaseName(GetBaseName(input), extension, namesNotToWrite(folder));
        ConversionSettings settings;
        settings.programFolder = program;
        settings.input = input;
        settings.outputFolder = folder;
        settings.formatIndex = m_host.formatIndex();
        settings.bitrateText = m_host.bitrateText();
        settings.rateText = m_host.rateText();
        settings.channelIndex = m_host.channelIndex();
        settings.splitSeconds = m_splitSeconds;
        settings.outputBaseName = baseName;
        std::string command = ConversionCommandLine(settings);
        if (m_host.splitByCopy()) {
            if (auto copy = StreamCopyCommandLine(settings, objDuration.Outputs()))
                command = std::move(*copy);
        }
        m_host.setAnimationTimer(false);

        // Segments left from an earlier run must not pass for this run's output.
        const std::optional<SegmentFiles> before = TryListSegmentFiles(folder, baseName, extension);
        m_headRemoved = false;
        const bool converted = run(objDOS, command);
        if (m_stopRequested && !m_headRemoved && !m_abandoned) {
            // The file was not converted, so nothing of it may stay behind.
            const std::optional<SegmentFiles> after = TryListSegmentFiles(folder, baseName, extension);
            if (before && after) {
                for (const std::string& name : SegmentsWrittenSince(*before, *after))
                    unlink((folder + name).c_str());
            }
            stopBatch(FileResult::Stopped);
            return;
        }
        if (!converted) {
            stopBatch(FileResult::NotStarted, CoreText("BatchDriver", NotStartedReason));
            return;
        }
        judgeConversion(source, folder, baseName, extension, before);

        m_pump.ProcessPending();
    }
    if (m_abandoned) {
        unlink(scratchWav().c_str());
        TotalSeconds = 0;
        return;
    }
    finishBatch();
}

std::vector<std::string> BatchDriver::namesNotToWrite(const std::string& folder) const
{
    std::vector<std::string> names;
    const auto identity = folderIdentity(folder);
    if (!identity)
        return names;
    if (const auto written = m_written.find(*identity); written != m_written.end())
        names = written->second;
    // The file being converted and every one still waiting; a queued copy's original too.
    for (int i = 0; i < m_host.queueCount(); ++i) {
        for (const std::string& path : {m_host.queuePath(i), m_host.queueSourcePath(i)}) {
            if (folderIdentity(folderOf(path)) == identity)
                names.push_back(GetFileName(path));
        }
    }
    return names;
}

void BatchDriver::judgeConversion(const std::string& source, const std::string& folder, const std::string& baseName,
                                  const std::string& extension, const std::optional<SegmentFiles>& before)
{
    const std::optional<SegmentFiles> after = TryListSegmentFiles(folder, baseName, extension);
    const std::vector<std::string> written =
        before && after ? SegmentsWrittenSince(*before, *after) : std::vector<std::string>{};
    const int exitCode = objDOS.ExitCode();
    // A converter that was killed, or that could not finish its output (a full disk),
    // has left at most part of the file converted, whatever segments it wrote. A folder
    // that can be written but not listed hides what was written: the exit status decides.
    const std::string writeError = OutputWriteError(objDOS.Outputs());
    std::string reason;
    if (objDOS.StoppedResponding())
        reason = CoreText("BatchDriver", SilentReason);
    else if (objDOS.EndedBySignal())
        reason = CoreText("BatchDriver", KilledReason);
    else if (!writeError.empty())
        reason = writeError;
    else if (exitCode == -1)
        reason = CoreText("BatchDriver", LostStatusReason);
    else if (exitCode != 0 || (before && after && written.empty()))
        reason = ConverterErrorLine(objDOS.Outputs());

    // FLAC pieces are written again so that each states its own length; a piece that
    // could not be is no result either.
    if (reason.empty() && extension == ".flac" && !written.empty())
        reason = renewFlacPieces(folder, written);

    if (reason.empty()) {
        if (const auto identity = folderIdentity(folder)) {
            std::vector<std::string>& names = m_written[*identity];
            names.insert(names.end(), written.begin(), written.end());
        }
        if (std::string warning = ShortConversionWarning(objDOS.Outputs()); !warning.empty())
            fileJudged({source, FileResult::Warning, std::move(warning), written});
        else
            fileJudged({source, FileResult::Converted, {}, written});
        return;
    }
    // What is left of a failed run looks like a result and is not one.
    bool removed = false;
    for (const std::string& name : written)
        removed = unlink((folder + name).c_str()) == 0 || removed;
    if (m_abandoned)
        return;
    if (removed)
        reason = (reason.empty() ? CoreText("BatchDriver", "the conversion failed") : reason)
            + CoreText("BatchDriver", PartialRemoved);
    fileJudged({source, FileResult::Failed, reason, {}});
}

void BatchDriver::fileJudged(FileOutcome file)
{
    m_outcome.files.push_back(std::move(file));
    ++m_filesDone;
    m_progress.finishFile();
}

void BatchDriver::failFile(const std::string& source, const std::string& reason)
{
    m_host.setAnimationTimer(false);
    fileJudged({source, FileResult::Failed, reason, {}});
    finishFile();
}

std::string BatchDriver::renewFlacPieces(const std::string& folder, const std::vector<std::string>& names)
{
    for (std::size_t first = 0; first < names.size(); first += FlacPiecesPerRun) {
        std::vector<std::string> pieces;
        for (std::size_t i = first; i < names.size() && i < first + FlacPiecesPerRun; ++i)
            pieces.push_back(folder + names[i]);
        const bool ran = run(objSox, FlacPiecesCommandLine(m_host.programFolder(), pieces));
        const std::string writeError = ran ? OutputWriteError(objSox.Outputs()) : std::string();
        const bool renewed = ran && objSox.ExitCode() == 0 && writeError.empty();
        std::string replaceError;
        for (const std::string& piece : pieces) {
            const std::string renewedPiece = FlacPieceTemporary(piece);
            if (renewed && rename(renewedPiece.c_str(), piece.c_str()) == 0)
                continue;
            if (renewed && replaceError.empty())
                replaceError = CoreText("BatchDriver", "cannot replace a piece: ") + std::strerror(errno);
            unlink(renewedPiece.c_str());
        }
        if (!ran)
            return CoreText("BatchDriver", NotStartedReason);
        if (objSox.EndedBySignal())
            return CoreText("BatchDriver", KilledReason);
        if (!renewed) {
            const std::string reason = writeError.empty() ? ConverterErrorLine(objSox.Outputs()) : writeError;
            return reason.empty() ? CoreText("BatchDriver", "the pieces could not be written again") : reason;
        }
        if (!replaceError.empty())
            return replaceError;
    }
    return {};
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
    m_host.setProgressCaption(
        DoneCaption(m_outcome.count(FileResult::Failed), m_outcome.count(FileResult::Warning)));
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
            m_outcome.files.push_back({m_host.queueSourcePath(0), headResult, reason, {}});
        else
            m_outcome.files.push_back({m_host.queueSourcePath(i), FileResult::NotStarted, {}, {}});
    }
    unlink(scratchWav().c_str());
    TotalSeconds = 0;
    m_host.setAnimationTimer(false);
    m_host.setConvertStop(false);
    m_host.setToolbarEnabled(true);
    m_host.setProgressWidth(0);
    m_host.setProgressCaption(CoreText("BatchDriver", "Stopped."));
    endBatch();
}

void BatchDriver::endBatch()
{
    m_outcome.ended = std::chrono::system_clock::now();
    m_outcome.duration = m_progress.elapsed();
    const std::string report = BatchReportText(m_outcome);
    if (const std::string reportFile = m_host.reportFile(); !reportFile.empty())
        WriteBatchReport(reportFile, report);
    m_host.batchEnded(m_outcome);
    std::vector<FailedFile> failed;
    std::vector<FailedFile> warned;
    for (const FileOutcome& file : m_outcome.files) {
        if (file.result == FileResult::Failed)
            failed.push_back({file.input, file.reason});
        else if (file.result == FileResult::Warning)
            warned.push_back({file.input, file.reason});
    }
    if (!failed.empty() || !warned.empty())
        m_host.showMessage(BatchHost::MessageIcon::Warning, CoreText("BatchDriver", "Convert"),
                           FailureReportText(failed, warned), report);
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
