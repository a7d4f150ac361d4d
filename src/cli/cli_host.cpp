#include "cli/cli_host.h"

#include "cli/cli_view.h"
#include "engine/batch_driver.h"
#include "engine/progress.h"

#include <algorithm>

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

// The driver records a file's end after its run is over and before the next file's first
// step, so each file's end is told before the next one starts.
void CliHost::catchUp()
{
    if (m_driver && !m_ended) {
        const std::vector<FileOutcome>& files = m_driver->outcome().files;
        for (; m_told < files.size(); ++m_told) {
            m_running.clear();
            m_view.fileEnded(static_cast<int>(m_told) + 1, m_count, files[m_told]);
        }
    }
    m_view.tick();
}

// Each file's first step starts the bar's preparing animation.
void CliHost::setAnimationTimer(bool on)
{
    catchUp();
    m_preparing = on;
    if (on && m_running.empty() && !m_queue.empty()) {
        m_running = queueSourcePath(0);
        m_width = 0;
        m_view.fileStarted(static_cast<int>(m_told) + 1, m_count, m_running);
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
    const std::optional<double> fileDone =
        m_preparing ? std::nullopt : std::optional<double>(std::clamp(double(m_width) / FullBarWidth, 0.0, 1.0));
    m_view.progress(m_running, fileDone, m_status, m_batchDone);
}

void CliHost::batchEnded(const BatchOutcome& outcome)
{
    catchUp();
    m_ended = true;
    for (; m_told < outcome.files.size(); ++m_told)
        m_view.fileEnded(static_cast<int>(m_told) + 1, m_count, outcome.files[m_told]);
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
