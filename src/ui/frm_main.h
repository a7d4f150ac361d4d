#pragma once

#include "engine/batch_host.h"
#include "input/conversion_queue.h"
#include "platform/qt_event_pump.h"
#include "ui/main_window_context.h"
#include "ui/skin_artwork.h"

#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QTimer;

namespace brisquel {

class BatchDriver;
class CommonDlgsW;
class HotImage;
class OutputSettingsPanel;
class QueueList;

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

    OutputSettingsPanel& panel() { return *m_panel; }
    ConversionQueue& queue() { return m_queue; }

    // BatchHost
    int queueCount() const override;
    std::string queuePath(int index) const override;
    void removeQueueHead() override;
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
    std::string programFolder() const override;
    std::string scratchFolder() const override;
    void setProgressCaption(const std::string& text) override;
    int progressWidth() const override;
    void setProgressWidth(int twips) override;
    void setAnimationTimer(bool on) override;
    void setStartTimer(bool on) override;
    void setToolbarEnabled(bool enabled) override;
    void setConvertEnabled(bool enabled) override;
    void openFolder(const std::string& folder) override;
    void playReminderSound() override;
    void showDropZone() override;
    void showMessage(MessageIcon icon, const std::string& title, const std::string& text) override;

signals:
    // lblPB shows a new caption.
    void progressCaptionChanged(const QString& caption);
    // Timer3 has made the window layered and centred it.
    void revealed();
    // The unload step is done; the program ends now. `batchRunning` tells that the window
    // was closed from inside a running batch, which must not be left to go on.
    void unloaded(bool batchRunning);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void connectHotImages();
    void onToolbarClick(int index);
    void clearToolbarPictures();
    void finishBackgroundSequence();
    void addFile();
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

    std::array<HotImage*, 7> m_imgToolbar{};
    HotImage* m_imgConvert = nullptr;
    QueueList* m_LV = nullptr;
    QWidget* m_picText = nullptr;
    QLabel* m_lblText = nullptr;
    QWidget* m_picDrop = nullptr;
    QLabel* m_picDrag = nullptr;
    OutputSettingsPanel* m_panel = nullptr;
    QLabel* m_imgPB = nullptr;
    QLabel* m_lblPB = nullptr;
    QLabel* m_lblWeb = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    QTimer* m_timer3 = nullptr;

    int m_progressTwips = 0;
};

} // namespace brisquel
