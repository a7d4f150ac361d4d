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
#include "process/cls_waitable_timer.h"
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

BatchDriver::Slot::Slot(BatchDriver& driver, int slotNumber)
    : number(slotNumber)
    , objDOS(driver.m_pump, [&driver](const std::string& text) { driver.showMessage(text); })
    , objDuration(driver.m_pump, [&driver](const std::string& text) { driver.showMessage(text); })
    , objSox(driver.m_pump, [&driver](const std::string& text) { driver.showMessage(text); })
{
    for (DOSOutputs* runner : {&objDOS, &objDuration, &objSox})
        runner->setSilenceLimit(driver.m_silenceLimit);
    objDOS.ReceiveOutputs = [&driver, this](const std::string& chunk) { driver.onConversionOutput(*this, chunk); };
    objDOS.CommandOver = [&driver, this] {
        runOver = true;
        // A stopped file stays queued, to be converted by a later batch.
        headRemoved = !driver.m_stopRequested;
        if (headRemoved)
            driver.finishFile(*this);
    };
    objDuration.ReceiveOutputs = [&driver, this](const std::string& chunk) { driver.onProbeOutput(*this, chunk); };
    // Only to tell a run that ended from one that never started.
    objDuration.CommandOver = [this] { runOver = true; };
    objSox.CommandOver = [this] { runOver = true; };
}

bool BatchDriver::RunAwaiter::await_ready()
{
    if (driver.m_atOnce)
        return false;
    over = driver.run(slot, runner, commandLine);
    return true;
}

bool BatchDriver::RunAwaiter::await_suspend(std::coroutine_handle<> waiting)
{
    if (!driver.startRun(slot, runner, commandLine))
        return false;
    suspended = true;
    slot.waiting = waiting;
    return true;
}

BatchDriver::BatchDriver(BatchHost& host, EventPump& pump, DOSOutputs::MessageSink messages,
                         std::chrono::milliseconds silenceLimit, BatchProgress::Clock clock)
    : m_host(host)
    , m_pump(pump)
    , m_silenceLimit(silenceLimit)
    , m_messages(std::move(messages))
    , m_progress(clock ? std::move(clock) : BatchProgress::Clock([] { return std::chrono::steady_clock::now(); }))
{
    m_slots.push_back(std::make_unique<Slot>(*this, 0));
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
    // The box's owner is still waiting on it; the runs end once it is closed.
    if (m_messageDepth == 0)
        endEveryRun();
}

void BatchDriver::endCurrentRun(Slot& slot)
{
    if (!slot.active || slot.runEnded)
        return;
    slot.runEnded = true;
    slot.active->endRun(SIGINT, StopGrace);
}

void BatchDriver::endEveryRun()
{
    for (const auto& slot : m_slots)
        endCurrentRun(*slot);
}

void BatchDriver::showMessage(const std::string& text)
{
    ++m_messageDepth;
    if (m_messages)
        m_messages(text);
    --m_messageDepth;
    if (m_stopRequested && m_messageDepth == 0)
        endEveryRun();
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
        dropRuns();
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
    for (const auto& slot : m_slots) {
        if (slot->active)
            slot->active->endRun(SIGTERM, AbandonKillAfter);
    }
}

void BatchDriver::onAnimationTimerTick()
{
    m_host.setProgressWidth(AnimationStep(m_host.progressWidth()));
}

// Each slot has its own, so that first passes at once never share one.
std::string BatchDriver::scratchWav(const Slot& slot) const
{
    const std::string name = slot.number == 0 ? "tmp.wav" : "tmp" + std::to_string(slot.number + 1) + ".wav";
    return m_host.scratchFolder() + PathSeparator + name;
}

bool BatchDriver::run(Slot& slot, DOSOutputs& runner, const std::string& commandLine)
{
    WatchedImageName = m_host.converterName();
    slot.runOver = false;
    slot.runEnded = false;
    // A stop that came between two runs starts no further one.
    if (m_stopRequested)
        return false;
    runner.setCommandLine(commandLine);
    slot.active = &runner;
    // Whatever ends the run, it is no longer the one to end.
    struct Inactive
    {
        DOSOutputs*& active;
        ~Inactive() { active = nullptr; }
    } inactive{slot.active};
    runner.ExecuteCommand();
    return slot.runOver;
}

bool BatchDriver::startRun(Slot& slot, DOSOutputs& runner, const std::string& commandLine)
{
    slot.runOver = false;
    slot.runEnded = false;
    if (m_stopRequested || m_abandoned)
        return false;
    runner.setCommandLine(commandLine);
    if (!runner.Start())
        return false;
    slot.active = &runner;
    return true;
}

void BatchDriver::dropRuns()
{
    for (const auto& slot : m_slots) {
        if (DOSOutputs* runner = std::exchange(slot->active, nullptr); runner && runner->IsRunning()) {
            runner->endRun(SIGKILL, std::chrono::milliseconds(0));
            while (runner->Poll())
                usleep(10'000);
        }
        slot->waiting = {};
        slot->task = {};
        slot->busy = false;
    }
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

// The files behind those being converted, added during the batch included.
std::uintmax_t BatchDriver::pendingBytes()
{
    std::uintmax_t total = 0;
    const int first = m_atOnce ? static_cast<int>(m_rows.size()) : 1;
    for (int i = first, count = m_host.queueCount(); i < count; ++i)
        total += fileSize(m_host.queuePath(i));
    return total;
}

int BatchDriver::busySlots() const
{
    return static_cast<int>(std::count_if(m_slots.begin(), m_slots.end(), [](const auto& slot) { return slot->busy; }));
}

bool BatchDriver::anyConverting() const
{
    return std::any_of(m_slots.begin(), m_slots.end(), [](const auto& slot) { return slot->converting; });
}

int BatchDriver::rowOf(const Slot& slot) const
{
    const auto row = std::find(m_rows.begin(), m_rows.end(), &slot);
    return row == m_rows.end() ? -1 : static_cast<int>(row - m_rows.begin());
}

void BatchDriver::refreshStatus()
{
    const std::uintmax_t pending = pendingBytes();
    const auto estimate = m_progress.estimate(pending);
    const int running = m_atOnce ? std::max(1, busySlots()) : 1;
    const int count = m_filesDone + std::max(1, m_host.queueCount());
    m_host.showBatchProgress(
        BatchStatusText(std::min(m_filesDone + 1, count), count, estimate, m_progress.speed(), running),
        estimate ? std::optional<double>(estimate->fractionDone) : std::nullopt);
    // Several files at once have no one file's percentage: the bar shows the batch, once
    // one of them converts (until then it sweeps while the files are prepared).
    if (running > 1 && anyConverting()) {
        if (const auto fraction = m_progress.fractionDone(pending)) {
            const ProgressView view = ProgressForTime(static_cast<int>(*fraction * 1000), 1000);
            m_host.setProgressWidth(view.width);
            m_host.setProgressCaption(view.caption);
        }
    }
}

BatchSettings BatchDriver::currentSettings() const
{
    static constexpr const char* Units[] = {CORE_TEXT_NOOP("BatchReport", "%1 seconds"),
                                            CORE_TEXT_NOOP("BatchReport", "%1 minutes"),
                                            CORE_TEXT_NOOP("BatchReport", "%1 hours")};
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
    settings.channels = channels == 1 ? CoreText("BatchReport", "1 channel")
                                      : FillIn(CoreText("BatchReport", "%1 channels"), {std::to_string(channels)});
    settings.split = FillIn(CoreText("BatchReport", Units[std::clamp(m_host.unitIndex(), 0, 2)]), {m_host.splitText()});
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
    m_rows.clear();
    m_outcome = {};
    m_outcome.started = std::chrono::system_clock::now();
    m_outcome.settings = currentSettings();
    m_progress.begin();
    makeFolder(m_host.outputFolderText(), 0777);
    makeScratchFolder(m_host.scratchFolder());

    const int atOnce = std::max(1, m_host.conversionsAtOnce());
    m_atOnce = atOnce > 1;
    if (m_atOnce)
        runSeveralAtOnce(atOnce);
    else
        runOneAtATime();
    m_atOnce = false;
}

void BatchDriver::runOneAtATime()
{
    Slot& slot = *m_slots.front();
    while (m_host.queueCount() > 0 && !m_abandoned) {
        if (m_stopRequested) {
            stopBatch();
            return;
        }
        m_rows = {&slot};
        slot.busy = true;
        slot.task = convertFile(slot, 0);
        if (!fileEnded(slot)) {
            stopBatch();
            return;
        }
    }
    if (m_abandoned) {
        unlink(scratchWav(slot).c_str());
        slot.TotalSeconds = 0;
        return;
    }
    finishBatch();
}

void BatchDriver::runSeveralAtOnce(int atOnce)
{
    while (static_cast<int>(m_slots.size()) < atOnce)
        m_slots.push_back(std::make_unique<Slot>(*this, static_cast<int>(m_slots.size())));
    // Leftovers of an earlier run of the program; ended once, as each run then ends only
    // its own child.
    endStrayConverters();

    clsWaitableTimer timer(m_pump);
    bool startMore = true;
    for (;;) {
        // Files start from the front of the list: the rows of files begun lead it.
        for (int i = 0; i < atOnce && startMore && !m_stopRequested && !m_abandoned; ++i) {
            Slot& slot = *m_slots[static_cast<std::size_t>(i)];
            const int row = static_cast<int>(m_rows.size());
            if (slot.busy || row >= m_host.queueCount())
                continue;
            m_rows.push_back(&slot);
            slot.busy = true;
            slot.task = convertFile(slot, row);
            if (slot.task.done())
                startMore = fileEnded(slot) && startMore;
        }
        if (busySlots() == 0)
            break;

        for (const auto& each : m_slots) {
            Slot& slot = *each;
            if (!slot.active || slot.active->Poll())
                continue;
            slot.active = nullptr;
            std::exchange(slot.waiting, {}).resume();
            if (slot.task.done())
                startMore = fileEnded(slot) && startMore;
        }
        m_pump.ProcessPending();

        // Short pauses: the wait watches one run only, and another may end meanwhile.
        int pause = 20;
        int wake = -1;
        for (const auto& slot : m_slots) {
            if (!slot->active)
                continue;
            pause = std::min(pause, slot->active->PauseBeforePoll());
            if (wake < 0)
                wake = slot->active->WakeDescriptor();
        }
        if (busySlots() > 0)
            timer.Wait(pause, wake);
    }
    for (const auto& slot : m_slots)
        unlink(scratchWav(*slot).c_str());
    if (m_abandoned)
        return;
    // A stop that came after the last file began still keeps what is left queued.
    if (!m_rows.empty() || (m_stopRequested && m_host.queueCount() > 0))
        stopBatch();
    else
        finishBatch();
}

bool BatchDriver::fileEnded(Slot& slot)
{
    auto& promise = slot.task.handle.promise();
    const FileEnd end = promise.end;
    if (promise.error) {
        std::exception_ptr error = promise.error;
        std::rethrow_exception(error);
    }
    slot.task = {};
    slot.busy = false;
    slot.converting = false;
    slot.reservedFolder.reset();
    slot.reservedName.clear();
    switch (end) {
    case FileEnd::Stopped:
        slot.endResult = FileResult::Stopped;
        slot.endReason.clear();
        m_progress.dropFile(slot.number);
        break;
    case FileEnd::NotStarted:
        slot.endResult = FileResult::NotStarted;
        slot.endReason = CoreText("BatchDriver", NotStartedReason);
        m_progress.dropFile(slot.number);
        break;
    case FileEnd::Next:
    case FileEnd::Abandoned:
        return end == FileEnd::Next;
    }
    // The row stays, with its format tag.
    if (m_atOnce && rowOf(slot) >= 0)
        m_host.showRowProgress(rowOf(slot), {});
    return false;
}

BatchDriver::FileTask BatchDriver::convertFile(Slot& slot, int row)
{
    const std::string input = m_host.queuePath(row);
    const std::string source = m_host.queueSourcePath(row);
    m_splitSeconds = SplitLength(m_host.splitText(), m_host.unitIndex(), m_splitSeconds);
    const std::string folder = OutputFolder(m_host.outputFolderText());
    if (!anyConverting()) {
        m_host.setProgressCaption(CoreText("BatchDriver", "Preparing Files..."));
        m_host.setAnimationTimer(true);
    }
    m_progress.startFile(fileSize(input), slot.number);
    refreshStatus();
    if (!m_atOnce)
        endStrayConverters();
    unlink(scratchWav(slot).c_str());

    // Known bad before the converter sees it: a copy that could not be made would be
    // converted empty; a FIFO or device (put in place of a file since it was queued)
    // would hold the converter for ever.
    if (const std::string failure = m_host.queueIntakeFailure(row); !failure.empty()) {
        failFile(slot, source, failure);
        co_return FileEnd::Next;
    }
    if (IsSpecialFile(input)) {
        failFile(slot, source, CoreText("BatchDriver", NotRegularReason));
        co_return FileEnd::Next;
    }

    const std::string program = m_host.programFolder();
    const std::string converter = m_host.converterName();
    bool started;
    DOSOutputs* last = nullptr;
    if (IsFlacInput(input)) {
        last = &slot.objSox;
        started = co_await runStep(slot, slot.objSox, FirstPassCommandLine(program, input, scratchWav(slot), converter));
        if (started && !slot.objSox.StoppedResponding() && !m_abandoned && !m_stopRequested) {
            if (!m_atOnce)
                endStrayConverters();
            last = &slot.objDuration;
            started = co_await runStep(slot, slot.objDuration,
                                       ScratchProbeCommandLine(program, scratchWav(slot), converter));
        }
    } else {
        if (!m_atOnce)
            endStrayConverters();
        last = &slot.objDuration;
        started = co_await runStep(slot, slot.objDuration, ProbeCommandLine(program, input, converter));
    }
    if (m_abandoned)
        co_return FileEnd::Abandoned;
    if (m_stopRequested)
        co_return FileEnd::Stopped;
    if (!started)
        co_return FileEnd::NotStarted;
    if (last->StoppedResponding()) {
        failFile(slot, source, CoreText("BatchDriver", SilentReason));
        co_return FileEnd::Next;
    }
    m_progress.setDuration(slot.TotalSeconds, slot.number);
    refreshStatus();

    const std::string extension = OutputExtension(m_host.formatIndex());
    const std::string baseName = UniqueOutputBaseName(GetBaseName(input), extension, namesNotToWrite(folder, slot));
    // Files converted at once must not pick the same names either.
    slot.reservedFolder = folderIdentity(folder);
    slot.reservedName = baseName + "00000" + extension;
    ConversionSettings settings;
    settings.programFolder = program;
    settings.converterName = converter;
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
        if (auto copy = StreamCopyCommandLine(settings, slot.objDuration.Outputs()))
            command = std::move(*copy);
    }
    m_host.setAnimationTimer(false);

    // Segments left from an earlier run must not pass for this run's output.
    const std::optional<SegmentFiles> before = TryListSegmentFiles(folder, baseName, extension);
    slot.headRemoved = false;
    slot.converting = true;
    const bool converted = co_await runStep(slot, slot.objDOS, command);
    slot.converting = false;
    if (m_stopRequested && !slot.headRemoved && !m_abandoned) {
        // The file was not converted, so nothing of it may stay behind.
        const std::optional<SegmentFiles> after = TryListSegmentFiles(folder, baseName, extension);
        if (before && after) {
            for (const std::string& name : SegmentsWrittenSince(*before, *after))
                unlink((folder + name).c_str());
        }
        co_return FileEnd::Stopped;
    }
    if (!converted)
        co_return FileEnd::NotStarted;

    std::vector<std::string> written;
    std::string reason = conversionFailure(slot, folder, baseName, extension, before, written);
    // FLAC pieces are written again so that each states its own length; a piece that
    // could not be is no result either.
    if (reason.empty() && extension == ".flac" && !written.empty()) {
        for (std::size_t first = 0; first < written.size() && reason.empty(); first += FlacPiecesPerRun) {
            std::vector<std::string> pieces;
            for (std::size_t i = first; i < written.size() && i < first + FlacPiecesPerRun; ++i)
                pieces.push_back(folder + written[i]);
            const bool ran = co_await runStep(slot, slot.objSox, FlacPiecesCommandLine(program, pieces, converter));
            reason = renewedFlacPieces(slot, pieces, ran);
        }
    }
    judgeConversion(slot, source, folder, written, std::move(reason));

    if (!m_atOnce)
        m_pump.ProcessPending();
    co_return FileEnd::Next;
}

std::vector<std::string> BatchDriver::namesNotToWrite(const std::string& folder, const Slot& slot) const
{
    std::vector<std::string> names;
    const auto identity = folderIdentity(folder);
    if (!identity)
        return names;
    if (const auto written = m_written.find(*identity); written != m_written.end())
        names = written->second;
    for (const auto& other : m_slots) {
        if (other.get() != &slot && other->reservedFolder == identity)
            names.push_back(other->reservedName);
    }
    // The files being converted and every one still waiting; a queued copy's original too.
    for (int i = 0; i < m_host.queueCount(); ++i) {
        for (const std::string& path : {m_host.queuePath(i), m_host.queueSourcePath(i)}) {
            if (folderIdentity(folderOf(path)) == identity)
                names.push_back(GetFileName(path));
        }
    }
    return names;
}

std::string BatchDriver::conversionFailure(Slot& slot, const std::string& folder, const std::string& baseName,
                                           const std::string& extension, const std::optional<SegmentFiles>& before,
                                           std::vector<std::string>& written)
{
    const std::optional<SegmentFiles> after = TryListSegmentFiles(folder, baseName, extension);
    written = before && after ? SegmentsWrittenSince(*before, *after) : std::vector<std::string>{};
    const DOSOutputs& objDOS = slot.objDOS;
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
    return reason;
}

void BatchDriver::judgeConversion(Slot& slot, const std::string& source, const std::string& folder,
                                  const std::vector<std::string>& written, std::string reason)
{
    if (reason.empty()) {
        if (const auto identity = folderIdentity(folder)) {
            std::vector<std::string>& names = m_written[*identity];
            names.insert(names.end(), written.begin(), written.end());
        }
        if (std::string warning = ShortConversionWarning(slot.objDOS.Outputs()); !warning.empty())
            fileJudged(slot, {source, FileResult::Warning, std::move(warning), written});
        else
            fileJudged(slot, {source, FileResult::Converted, {}, written});
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
    fileJudged(slot, {source, FileResult::Failed, reason, {}});
}

void BatchDriver::fileJudged(Slot& slot, FileOutcome file)
{
    m_outcome.files.push_back(std::move(file));
    ++m_filesDone;
    m_progress.finishFile(slot.number);
}

void BatchDriver::failFile(Slot& slot, const std::string& source, const std::string& reason)
{
    m_host.setAnimationTimer(false);
    fileJudged(slot, {source, FileResult::Failed, reason, {}});
    finishFile(slot);
}

std::string BatchDriver::renewedFlacPieces(Slot& slot, const std::vector<std::string>& pieces, bool ran)
{
    const DOSOutputs& objSox = slot.objSox;
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
    return replaceError;
}

// Another program's converters are not ours to end: only a host that owns the name clears
// what an earlier run of it left.
void BatchDriver::endStrayConverters()
{
    if (m_host.endsStrayConverters())
        KillProcessByName(m_host.converterName());
}

void BatchDriver::finishFile(Slot& slot)
{
    if (const int row = rowOf(slot); row >= 0) {
        m_rows.erase(m_rows.begin() + row);
        if (row < m_host.queueCount()) {
            if (row == 0)
                m_host.removeQueueHead();
            else
                m_host.removeQueueEntry(row);
        }
    }
    unlink(scratchWav(slot).c_str());
    slot.TotalSeconds = 0;
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
// started, when every further file would fail the same way. The files that began and every
// file after them stay queued.
void BatchDriver::stopBatch()
{
    m_finishing = true;
    m_outcome.stopped = m_stopRequested;
    for (int i = 0, count = m_host.queueCount(); i < count; ++i) {
        if (i < static_cast<int>(m_rows.size()))
            m_outcome.files.push_back({m_host.queueSourcePath(i), m_rows[static_cast<std::size_t>(i)]->endResult,
                                       m_rows[static_cast<std::size_t>(i)]->endReason, {}});
        else
            m_outcome.files.push_back({m_host.queueSourcePath(i), FileResult::NotStarted, {}, {}});
    }
    m_rows.clear();
    for (const auto& slot : m_slots) {
        unlink(scratchWav(*slot).c_str());
        slot->TotalSeconds = 0;
        slot->endResult = FileResult::NotStarted;
        slot->endReason.clear();
    }
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

void BatchDriver::onProbeOutput(Slot& slot, const std::string& chunk)
{
    if (slot.TotalSeconds != 0)
        return;
    if (const auto duration = DurationFromChunk(chunk, [this] { m_pump.ProcessPending(); }))
        slot.TotalSeconds = *duration;
}

void BatchDriver::onConversionOutput(Slot& slot, const std::string& chunk)
{
    const auto view =
        ConversionProgress(chunk, slot.TotalSeconds, m_host.musicCutter() != 0, m_host.cutLengthSeconds());
    if (!view)
        return;
    if (m_atOnce) {
        if (const int row = rowOf(slot); row >= 0)
            m_host.showRowProgress(row, view->caption);
    }
    if (!m_atOnce || busySlots() <= 1) {
        m_host.setProgressWidth(view->width);
        m_host.setProgressCaption(view->caption);
    }
    m_progress.setDuration(slot.TotalSeconds, slot.number);
    const MarkerScan time = ScanMarker(chunk, TimeMarker);
    m_progress.setPosition(time.collected.starts_with('-') ? 0 : ReadTimeValue(time.collected).value_or(0), slot.number);
    if (const auto speed = SpeedFromChunk(chunk))
        m_progress.setSpeed(*speed);
    refreshStatus();
}

} // namespace brisquel
