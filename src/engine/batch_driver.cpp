#include "engine/batch_driver.h"

#include "engine/batch_host.h"
#include "engine/command_lines.h"
#include "engine/converter_output.h"
#include "engine/progress.h"
#include "engine/segment_files.h"
#include "engine/split_length.h"
#include "input/get_file.h"
#include "process/event_pump.h"
#include "process/process_list.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace brisquel {

namespace {

constexpr const char* ConverterImage = "conv.exe";

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

BatchDriver::BatchDriver(BatchHost& host, EventPump& pump, DOSOutputs::MessageSink messages)
    : m_host(host)
    , m_pump(pump)
    , objDOS(pump, messages)
    , objDuration(pump, messages)
    , objSox(pump, messages)
{
    objDOS.ReceiveOutputs = [this](const std::string& chunk) { onConversionOutput(chunk); };
    objDOS.CommandOver = [this] {
        m_runOver = true;
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
        m_host.showMessage(BatchHost::MessageIcon::Warning, "Add", "Please add a file");
        return;
    }
    m_host.setToolbarEnabled(false);
    m_host.setConvertEnabled(false);
    m_host.setStartTimer(true);
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
    runner.setCommandLine(commandLine);
    runner.ExecuteCommand();
    return m_runOver;
}

void BatchDriver::RunBatch()
{
    m_splitSeconds = 0;
    m_failed.clear();
    makeFolder(m_host.outputFolderText(), 0777);
    makeScratchFolder(m_host.scratchFolder());

    while (m_host.queueCount() > 0) {
        const std::string input = m_host.queuePath(0);
        m_splitSeconds = SplitLength(m_host.splitText(), m_host.unitIndex(), m_splitSeconds);
        const std::string folder = OutputFolder(m_host.outputFolderText());
        m_host.setProgressCaption("Preparing Files...");
        m_host.setAnimationTimer(true);
        KillProcessByName(ConverterImage);
        unlink(scratchWav().c_str());

        const std::string program = m_host.programFolder();
        bool started;
        if (IsFlacInput(input)) {
            started = run(objSox, FirstPassCommandLine(program, input, scratchWav()));
            if (started) {
                KillProcessByName(ConverterImage);
                started = run(objDuration, ScratchProbeCommandLine(program, scratchWav()));
            }
        } else {
            KillProcessByName(ConverterImage);
            started = run(objDuration, ProbeCommandLine(program, input));
        }
        if (!started) {
            stopBatch();
            return;
        }

        ConversionSettings settings;
        settings.programFolder = program;
        settings.input = input;
        settings.outputFolder = folder;
        settings.formatIndex = m_host.formatIndex();
        settings.bitrateText = m_host.bitrateText();
        settings.rateText = m_host.rateText();
        settings.channelIndex = m_host.channelIndex();
        settings.splitSeconds = m_splitSeconds;
        std::string command = ConversionCommandLine(settings);
        if (m_host.splitByCopy()) {
            if (auto copy = StreamCopyCommandLine(settings, objDuration.Outputs()))
                command = std::move(*copy);
        }
        m_host.setAnimationTimer(false);

        // Segments left from an earlier run must not pass for this run's output.
        const std::string baseName = GetBaseName(input);
        const std::string extension = OutputExtension(settings.formatIndex);
        const SegmentFiles before = ListSegmentFiles(folder, baseName, extension);
        if (!run(objDOS, command)) {
            stopBatch();
            return;
        }
        const int exitCode = objDOS.ExitCode();
        // A converter that was killed, or that could not finish its output (a full disk),
        // has left at most part of the file converted, whatever segments it wrote.
        const std::string writeError = OutputWriteError(objDOS.Outputs());
        if (objDOS.EndedBySignal())
            m_failed.push_back({input, "the converter was ended before it finished"});
        else if (!writeError.empty())
            m_failed.push_back({input, writeError});
        else if ((exitCode != 0 && exitCode != -1) || !SegmentWritten(before, ListSegmentFiles(folder, baseName, extension)))
            m_failed.push_back({input, ConverterErrorLine(objDOS.Outputs())});

        m_pump.ProcessPending();
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
    m_host.openFolder(m_host.outputFolderText());
    if (m_host.soundReminder() == 0)
        m_host.playReminderSound();
    m_host.showDropZone();
    m_host.setAnimationTimer(false);
    m_host.setConvertEnabled(true);
    m_host.setToolbarEnabled(true);
    m_host.setProgressWidth(0);
    m_host.setProgressCaption(DoneCaption(static_cast<int>(m_failed.size())));
    if (!m_failed.empty())
        m_host.showMessage(BatchHost::MessageIcon::Warning, "Convert", FailureReportText(m_failed));
}

// The converter could not be started: every further file would fail the same way, so the
// batch ends at once and the file stays queued.
void BatchDriver::stopBatch()
{
    unlink(scratchWav().c_str());
    TotalSeconds = 0;
    m_host.setAnimationTimer(false);
    m_host.setConvertEnabled(true);
    m_host.setToolbarEnabled(true);
    m_host.setProgressWidth(0);
    m_host.setProgressCaption("Stopped.");
    if (!m_failed.empty())
        m_host.showMessage(BatchHost::MessageIcon::Warning, "Convert", FailureReportText(m_failed));
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
}

} // namespace brisquel
