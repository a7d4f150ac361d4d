#pragma once

#include "engine/command_lines.h"

#include <optional>
#include <string>

namespace brisquel {

struct BatchOutcome;

// Everything the batch driver reads and changes on the main window. Values are read afresh
// whenever the driver needs them, so a change made during a batch applies from the next file.
class BatchHost
{
public:
    enum class MessageIcon { Information, Warning, Critical };

    virtual ~BatchHost() = default;

    // The queue (lstFile and LV).
    virtual int queueCount() const = 0;
    virtual std::string queuePath(int index) const = 0;
    // Removes the front entry: its path and its row.
    virtual void removeQueueHead() = 0;
    // Removes the entry at `index`, its path and its row together; only called with more
    // than one conversion at once, when files may end out of order.
    virtual void removeQueueEntry(int index)
    {
        if (index == 0)
            removeQueueHead();
    }
    // With more than one conversion at once, each running file's row shows its own
    // percentage; an empty text gives the row its format tag again.
    virtual void showRowProgress(int index, const std::string& percent)
    {
        (void)index;
        (void)percent;
    }
    // The file the user queued as the entry's report names it: the queue path, or the
    // original of a temporary copy.
    virtual std::string queueSourcePath(int index) const { return queuePath(index); }
    // Why the entry cannot be converted, known since it was queued; empty when nothing is.
    virtual std::string queueIntakeFailure(int index) const
    {
        (void)index;
        return {};
    }

    // The output settings as their controls show them.
    virtual int formatIndex() const = 0;          // cmbOF position
    virtual std::string bitrateText() const = 0;  // cmbBR text
    virtual std::string rateText() const = 0;     // cmbR text
    virtual int channelIndex() const = 0;         // cmbChannel position
    virtual std::string splitText() const = 0;    // txtSplit text
    virtual int unitIndex() const = 0;            // cmbUnit position
    virtual std::string outputFolderText() const = 0; // txtPath text

    // The option values.
    virtual int soundReminder() const = 0;    // 0 = on
    virtual int musicCutter() const = 0;      // 0 = off
    virtual int cutLengthSeconds() const = 0;
    virtual bool splitByCopy() const = 0;     // cut files already in the output format by stream copy
    virtual int conversionsAtOnce() const { return 1; }

    // Folders: P (holds data/conv.exe and sound.wav) and the scratch folder.
    virtual std::string programFolder() const = 0;
    virtual std::string scratchFolder() const = 0;

    // The image name of the converter under programFolder()/data.
    virtual std::string converterName() const { return DefaultConverterName; }

    // The window ends leftover converters of its name; the CLI never ends anything by name.
    virtual bool endsStrayConverters() const { return true; }

    // Progress: lblPB, imgPB (width in twips), Timer2.
    virtual void setProgressCaption(const std::string& text) = 0;
    virtual int progressWidth() const = 0;
    virtual void setProgressWidth(int twips) = 0;
    virtual void setAnimationTimer(bool on) = 0;

    // Timer1, the one-shot start of a batch.
    virtual void setStartTimer(bool on) = 0;

    // Command controls: the seven imgToolbar images, and imgConvert, which offers STOP
    // instead of START NOW! while a batch runs.
    virtual void setToolbarEnabled(bool enabled) = 0;
    virtual void setConvertStop(bool stop) = 0;

    // The whole batch while it runs: the status line's text, and the share of the batch's
    // media time done (nothing while there is no estimate).
    virtual void showBatchProgress(const std::string& status, std::optional<double> fractionDone) = 0;
    // The batch is over (ended or stopped) and its report written to reportFile().
    virtual void batchEnded(const BatchOutcome& outcome) = 0;
    // Where the report of the latest batch is kept; empty: no report.
    virtual std::string reportFile() const = 0;

    // End steps.
    virtual void openFolder(const std::string& folder) = 0;
    virtual void playReminderSound() = 0; // returns when the sound has played
    virtual void showDropZone() = 0;      // picDrag visible

    // `details`, when not empty, is offered behind the message ("Show Details...").
    virtual void showMessage(MessageIcon icon, const std::string& title, const std::string& text,
                             const std::string& details) = 0;
};

} // namespace brisquel
