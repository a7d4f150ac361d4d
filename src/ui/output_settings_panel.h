#pragma once

#include "settings/setup_settings.h"

#include <QObject>

#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace brisquel {

class Desktop;
class PickerFolders;

// The output settings on the right of the main window: format, bitrate, rate, channels,
// split length and unit, output folder. Its state is the state of its controls; every value
// is read afresh when a file is converted.
class OutputSettingsPanel : public QObject, public SetupSettings
{
    Q_OBJECT

public:
    // The controls become children of `form`, at their places over the skin. The folder
    // choice opens where `folders` says.
    OutputSettingsPanel(QWidget& form, Desktop& desktop, PickerFolders& folders, std::string defaultFolder);

    void setDefaults();

    // The folder choice behind Browse: the picked folder, the default one when nothing
    // was picked, and the default one with a message when the result is not a folder.
    void chooseOutputFolder();

    // SetupSettings: setup.ini's four lists and the folder text.
    int listPosition(List list) const override;
    void setListPosition(List list, int position) override;
    std::string folderText() const override;
    void setFolderText(const std::string& text) override;

    int formatIndex() const;
    int channelIndex() const;
    int unitIndex() const;

    std::string bitrateText() const;
    std::string rateText() const;
    std::string splitText() const;

    // The panel's controls in their tab order.
    QList<QWidget*> tabOrder() const;

private:
    QComboBox* list(List which) const;

    QWidget& m_form;
    Desktop& m_desktop;
    PickerFolders& m_folders;
    std::string m_defaultFolder;
    QLineEdit* m_txtSplit;
    QComboBox* m_cmbUnit;
    QComboBox* m_cmbOF;
    QComboBox* m_cmbBR;
    QComboBox* m_cmbR;
    QComboBox* m_cmbChannel;
    QLineEdit* m_txtPath;
    QPushButton* m_cmdBrowse;
};

} // namespace brisquel
