#pragma once

#include "cli/cli_options.h"
#include "engine/batch_host.h"
#include "engine/batch_outcome.h"
#include "input/conversion_queue.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brisquel {

class BatchDriver;
class CliView;

// The batch driver's host for the command line: the queue and the output settings come
// from the arguments, the progress and the results go to a CliView. The window's controls
// it stands in for (toolbar, STOP picture, bar animation, drop zone) have nothing to show
// here. It never ends converters by name and writes only the report it was asked for.
class CliHost : public BatchHost
{
public:
    CliHost(const CliOptions& options, std::string programFolder, std::string scratchFolder,
            std::string converterName, CliView& view);

    // The driver whose record the host reads to tell each file's end.
    void setDriver(const BatchDriver& driver) { m_driver = &driver; }
    void append(QueueEntry entry);
    bool startArmed() const { return m_startArmed; }
    // Tells the view what changed since the last call; the pump calls it at every pass.
    void catchUp();
    // Status for the end of the run: 0 all converted, 1 a file failed or was not started
    // for a reason, 130 stopped.
    static int ExitStatus(const BatchOutcome& outcome);

    int queueCount() const override;
    std::string queuePath(int index) const override;
    void removeQueueHead() override;
    void removeQueueEntry(int index) override;
    void showRowProgress(int index, const std::string& percent) override;
    std::string queueSourcePath(int index) const override;
    std::string queueIntakeFailure(int index) const override;

    int formatIndex() const override { return m_options.formatIndex; }
    std::string bitrateText() const override { return m_options.bitrateText; }
    std::string rateText() const override { return m_options.rateText; }
    int channelIndex() const override { return m_options.channelIndex; }
    std::string splitText() const override { return m_options.splitText; }
    int unitIndex() const override { return m_options.unitIndex; }
    std::string outputFolderText() const override { return m_options.outputFolder; }

    // No reminder sound and no music cutter: both are the window's options.
    int soundReminder() const override { return 1; }
    int musicCutter() const override { return 0; }
    int cutLengthSeconds() const override { return 0; }
    bool splitByCopy() const override { return m_options.copy; }

    std::string programFolder() const override { return m_programFolder; }
    std::string scratchFolder() const override { return m_scratchFolder; }
    int conversionsAtOnce() const override { return m_options.jobs; }
    std::string converterName() const override { return m_converterName; }
    bool endsStrayConverters() const override { return false; }

    void setProgressCaption(const std::string& text) override;
    int progressWidth() const override { return m_width; }
    void setProgressWidth(int twips) override;
    void setAnimationTimer(bool on) override;
    void setStartTimer(bool on) override { m_startArmed = on; }
    void setToolbarEnabled(bool) override {}
    void setConvertStop(bool) override {}
    void showBatchProgress(const std::string& status, std::optional<double> fractionDone) override;
    void batchEnded(const BatchOutcome& outcome) override;
    std::string reportFile() const override { return m_options.reportFile; }
    // The window opens the output folder and shows its drop zone; a terminal does neither.
    void openFolder(const std::string&) override {}
    void playReminderSound() override {}
    void showDropZone() override {}
    void showMessage(MessageIcon icon, const std::string& title, const std::string& text,
                     const std::string& details) override;

private:
    void showProgress();
    void fileStarted(const std::string& path);
    void fileEnded(const FileOutcome& file);
    bool severalAtOnce() const { return m_options.jobs > 1; }

    const CliOptions& m_options;
    std::string m_programFolder;
    std::string m_scratchFolder;
    std::string m_converterName;
    CliView& m_view;
    const BatchDriver* m_driver = nullptr;
    std::deque<QueueEntry> m_queue;
    int m_count = 0;          // files in the batch, judged ones included
    std::size_t m_told = 0;   // files of the driver's record told to the view
    std::vector<std::string> m_running; // files told as started and not yet ended
    std::map<std::string, int> m_numbers; // each file's place in the batch, as told
    int m_numbered = 0;
    bool m_preparing = false;
    bool m_ended = false;
    bool m_startArmed = false;
    int m_width = 0;
    std::string m_status;
    std::optional<double> m_batchDone;
};

} // namespace brisquel
