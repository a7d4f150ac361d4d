#pragma once

#include <QDialog>
#include <QPixmap>

#include <array>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brisquel {

class Desktop;
class HotImage;

// The options dialog: the sound reminder, splitting without re-encoding, conversions at once,
// and the music cutter with its start and length, whose controls lie beyond the right edge of
// the client area and are reached by Tab only.
// It reads and writes the option values directly; OK also saves options.ini into
// `settingsFolder`. It lives for one opening: create it, load() it, show it modally.
class frmOptions : public QDialog
{
    Q_OBJECT

public:
    frmOptions(Desktop& desktop, std::string settingsFolder, QWidget* parent = nullptr);
    ~frmOptions() override;

    // Fills the controls from the option values.
    void load();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void applyEnablingRule();
    void confirm();
    void clearHotImages();

    Desktop& m_desktop;
    std::string m_settingsFolder;
    QPixmap m_background;

    QComboBox* m_cmbSR = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QCheckBox* m_chkMC = nullptr;
    QCheckBox* m_chkCopy = nullptr;
    QComboBox* m_cmbAtOnce = nullptr;
    // txtFromH, txtFromM, txtFromS, then txtToH, txtToM, txtToS.
    std::array<QLineEdit*, 6> m_boxes{};
    HotImage* m_imgOK = nullptr;
    HotImage* m_imgBack = nullptr;
};

} // namespace brisquel
