#pragma once

#include "engine/batch_host.h"
#include "input/conversion_queue.h"
#include "platform/desktop_announcer.h"
#include "platform/qt_event_pump.h"
#include "ui/main_window_context.h"
#include "ui/skin_artwork.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QMimeData;
class QTimer;

namespace brisquel {

class BatchDriver;
class BatchStatusLine;
class CodePage;
class CommonDlgsW;
class DropTarget;
class HotImage;
class OutputSettingsPanel;
class PickerFolders;
class ProgressCaption;
class QueueList;
class StopControl;
class frmMenu;
struct IntakeContext;

// The main window: the skin with its hot images, the queue list, the output settings
// panel and the progress display. It is the batch driver's view of the window.
class frmMain : public QWidget, public BatchHost
{
    Q_OBJECT

public:
    explicit frmMain(MainWindowContext context);
    ~frmMain() override;

    // The load step: everything from parking the window to the scratch wipe. The window is
    // shown at its parked position afterwards; Timer3 reveals it.
    void load();

    // The Exit command: saves the output settings, then closes the window.
    void SaveSettingsAndExit();

    // Picks a folder and queues every file of its tree, in the order found. The search
    // yields to the window's loop as it goes.
    void AddFolder();
    // Queues files and folders named outside the window (the command line, a later copy)
    // exactly as a drop of them on the list would.
    void QueuePaths(const std::vector<std::string>& paths);
    // Removes the selected row with its path; nothing when no row is selected.
    void RemoveSelected();
    // Empties the queue from the front, yielding to the window every few tens of
    // milliseconds; entries dropped meanwhile stay queued.
    void RemoveAll();

    OutputSettingsPanel& panel() { return *m_panel; }
    ConversionQueue& queue() { return m_queue; }

    // BatchHost
    int queueCount() const override;
    std::string queuePath(int index) const override;
    void removeQueueHead() override;
    void removeQueueEntry(int index) override;
    void showRowProgress(int index, const std::string& percent) override;
    std::string queueSourcePath(int index) const override;
    std::string queueIntakeFailure(int index) const override;
    int formatIndex() const override;
    std::string bitrateText() const override;
    std::string rateText() const override;
    int channelIndex() const override;
    std::string splitText() const override;
    int unitIndex() const override;
    std::string outputFolderText() const override;
    int soundReminder() const override;
    int musicCutter() const override;
    int cutLengthSeconds() const override;
    bool splitByCopy() const override;
    int conversionsAtOnce() const override;
    std::string programFolder() const override;
    std::string scratchFolder() const override;
    void setProgressCaption(const std::string& text) override;
    int progressWidth() const override;
    void setProgressWidth(int twips) override;
    void setAnimationTimer(bool on) override;
    void setStartTimer(bool on) override;
    void setToolbarEnabled(bool enabled) override;
    void setConvertStop(bool stop) override;
    void showBatchProgress(const std::string& status, std::optional<double> fractionDone) override;
    void batchEnded(const BatchOutcome& outcome) override;
    std::string reportFile() const override;
    void openFolder(const std::string& folder) override;
    void playReminderSound() override;
    void showDropZone() override;
    void showMessage(MessageIcon icon, const std::string& title, const std::string& text,
                     const std::string& details) override;

signals:
    // lblPB shows a new caption.
    void progressCaptionChanged(const QString& caption);
    // Timer3 has made the window layered and centred it.
    void revealed();
    // The unload step is done; the program ends now. `busy` tells that the window was closed
    // from inside a running batch or folder search, which must not be left to go on.
    void unloaded(bool busy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectHotImages();
    void connectKeys();
    void onToolbarClick(int index);
    void clearToolbarPictures();
    void finishBackgroundSequence();
    // How the entry of one path is made; it runs only once the queue has room for it.
    using EntryMaker = QueueEntry (*)(const std::string& path, const IntakeContext& context);
    struct PendingEntry
    {
        std::string path;
        EntryMaker make;
    };

    void addFile();
    void openRemoveMenu(const QPoint& at);
    void openRemoveMenuAtRow();
    void dispatchCommand(const QString& text);
    void onOverlayDrop(const QMimeData* data);
    void onPlainDrop(const QMimeData* data);
    void takeDrop(std::vector<std::string> paths, EntryMaker fileEntry);
    void onDropZoneClick();
    void QueueDroppedFiles(std::vector<std::string> paths, EntryMaker fileEntry);
    std::vector<std::string> searchFolder(const std::string& folder);
    void queueEntries(const std::vector<PendingEntry>& pending);
    void restoreHintCaption();
    void hideHintAfterDrop();
    IntakeContext intakeContext() const;
    void showSettings();
    void openHelpPage();
    void reveal();
    void deleteScratchFiles();
    void updateEmptyHint();

    MainWindowContext m_context;
    Desktop& m_desktop;
    SkinArtwork m_art;
    QtEventPump m_pump;
    ConversionQueue m_queue;
    std::unique_ptr<CommonDlgsW> m_objDialog;
    std::unique_ptr<BatchDriver> m_driver;
    std::unique_ptr<frmMenu> m_frmMenu;
    const CodePage* m_codePage = nullptr;
    std::unique_ptr<PickerFolders> m_pickerFolders;

    std::array<HotImage*, 7> m_imgToolbar{};
    HotImage* m_imgConvert = nullptr;
    QueueList* m_LV = nullptr;
    QWidget* m_picText = nullptr;
    QLabel* m_lblText = nullptr;
    DropTarget* m_picDrop = nullptr;
    DropTarget* m_picDrag = nullptr;
    QLineEdit* m_txtAction = nullptr;
    OutputSettingsPanel* m_panel = nullptr;
    QLabel* m_imgPB = nullptr;
    ProgressCaption* m_lblPB = nullptr;
    QLabel* m_lblWeb = nullptr;
    BatchStatusLine* m_status = nullptr;
    StopControl* m_stop = nullptr;
    DesktopAnnouncer m_announcer;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    QTimer* m_timer3 = nullptr;

    int m_progressTwips = 0;
    int m_searches = 0; // folder searches under way, nested in each other's yields
    bool m_closePending = false; // closed during a batch, which is unwinding
};

} // namespace brisquel
