#include "cli/cli_host.h"

#include "cli/cli_view.h"
#include "engine/batch_driver.h"
#include "engine/progress.h"

#include <algorithm>
#include <cstdlib>

namespace brisquel {

CliHost::CliHost(const CliOptions& options, std::string programFolder, std::string scratchFolder,
                 std::string converterName, CliView& view)
    : m_options(options)
    , m_programFolder(std::move(programFolder))
    , m_scratchFolder(std::move(scratchFolder))
    , m_converterName(std::move(converterName))
    , m_view(view)
{
}

void CliHost::append(QueueEntry entry)
{
    m_queue.push_back(std::move(entry));
    ++m_count;
}

int CliHost::ExitStatus(const BatchOutcome& outcome)
{
    if (outcome.stopped)
        return 130;
    const bool failed = std::any_of(outcome.files.begin(), outcome.files.end(), [](const FileOutcome& file) {
        return file.result == FileResult::Failed || file.result == FileResult::NotStarted;
    });
    return failed ? 1 : 0;
}

int CliHost::queueCount() const
{
    return static_cast<int>(m_queue.size());
}

std::string CliHost::queuePath(int index) const
{
    return m_queue.at(static_cast<std::size_t>(index)).path;
}

std::string CliHost::queueSourcePath(int index) const
{
    const QueueEntry& entry = m_queue.at(static_cast<std::size_t>(index));
    return entry.source.empty() ? entry.path : entry.source;
}

std::string CliHost::queueIntakeFailure(int index) const
{
    return m_queue.at(static_cast<std::size_t>(index)).intakeFailure;
}

void CliHost::removeQueueHead()
{
    if (!m_queue.empty())
        m_queue.pop_front();
}

void CliHost::removeQueueEntry(int index)
{
    if (index >= 0 && index < queueCount())
        m_queue.erase(m_queue.begin() + index);
}

void CliHost::fileStarted(const std::string& path)
{
    if (std::find(m_running.begin(), m_running.end(), path) != m_running.end())
        return;
    m_running.push_back(path);
    m_numbers[path] = ++m_numbered;
    m_view.fileStarted(m_numbered, m_count, path);
}

// A file keeps the number it started under; one that ended before it was told as started
// (refused at intake, or never started) takes the next.
void CliHost::fileEnded(const FileOutcome& file)
{
    std::erase(m_running, file.input);
    const auto told = m_numbers.find(file.input);
    const int number = told != m_numbers.end() ? told->second : ++m_numbered;
    if (told != m_numbers.end())
        m_numbers.erase(told);
    m_view.fileEnded(number, m_count, file);
}

// Several files at once: each running row gets its percentage as the window's list shows
// it; the bar then shows the whole batch.
void CliHost::showRowProgress(int index, const std::string& percent)
{
    catchUp();
    if (percent.empty() || index < 0 || index >= queueCount())
        return;
    const std::string path = queueSourcePath(index);
    fileStarted(path);
    const double done = std::clamp(std::strtod(percent.c_str(), nullptr) / 100, 0.0, 1.0);
    m_view.progress(path, done, m_status, m_batchDone);
}

// The driver records a file's end after its run is over and before the next file's first
// step, so each file's end is told before the next one starts.
void CliHost::catchUp()
{
    if (m_driver && !m_ended) {
        const std::vector<FileOutcome>& files = m_driver->outcome().files;
        for (; m_told < files.size(); ++m_told)
            fileEnded(files[m_told]);
    }
    m_view.tick();
}

// One file at a time, each file's first step starts the bar's preparing animation.
void CliHost::setAnimationTimer(bool on)
{
    catchUp();
    m_preparing = on;
    if (on && !severalAtOnce() && m_running.empty() && !m_queue.empty()) {
        m_width = 0;
        fileStarted(queueSourcePath(0));
    }
}

void CliHost::setProgressCaption(const std::string&)
{
    catchUp();
}

void CliHost::setProgressWidth(int twips)
{
    m_width = twips;
    showProgress();
}

void CliHost::showBatchProgress(const std::string& status, std::optional<double> fractionDone)
{
    m_status = status;
    m_batchDone = fractionDone;
    showProgress();
}

void CliHost::showProgress()
{
    catchUp();
    if (m_running.empty())
        return;
    if (severalAtOnce()) {
        m_view.progress({}, std::nullopt, m_status, m_batchDone);
        return;
    }
    const std::optional<double> fileDone =
        m_preparing ? std::nullopt : std::optional<double>(std::clamp(double(m_width) / FullBarWidth, 0.0, 1.0));
    m_view.progress(m_running.front(), fileDone, m_status, m_batchDone);
}

void CliHost::batchEnded(const BatchOutcome& outcome)
{
    catchUp();
    m_ended = true;
    for (; m_told < outcome.files.size(); ++m_told)
        fileEnded(outcome.files[m_told]);
    m_view.batchEnded(outcome, ExitStatus(outcome));
}

// At the end of a batch the driver sums up its failures in a message; each was told on
// standard error as it happened.
void CliHost::showMessage(MessageIcon, const std::string&, const std::string& text, const std::string&)
{
    if (!m_ended)
        m_view.error(text);
}

} // namespace brisquel
