#include "ui/output_settings_panel.h"

#include "input/get_file.h"
#include "platform/desktop.h"
#include "settings/output_choices.h"
#include "settings/pick_folder.h"
#include "settings/picker_folders.h"
#include "ui/main_window_layout.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

namespace brisquel {
namespace {

QComboBox* makeList(QWidget& form, const char* name, const QRect& rect, const QStringList& entries,
                    const char* tooltip)
{
    auto* list = new QComboBox(&form);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(rect);
    list->addItems(entries);
    list->setMaxVisibleItems(entries.size());
    if (tooltip)
        list->setToolTip(QCoreApplication::translate("MainWindow", tooltip));
    return list;
}

template <std::size_t N>
QStringList entries(const std::array<std::string_view, N>& choices)
{
    QStringList list;
    for (const std::string_view choice : choices)
        list.append(QString::fromLatin1(choice.data(), static_cast<qsizetype>(choice.size())));
    return list;
}

QLineEdit* makeText(QWidget& form, const char* name, const QRect& rect, const char* tooltip)
{
    auto* text = new QLineEdit(&form);
    text->setObjectName(QString::fromLatin1(name));
    text->setGeometry(rect);
    text->setToolTip(QCoreApplication::translate("MainWindow", tooltip));
    return text;
}

} // namespace

OutputSettingsPanel::OutputSettingsPanel(QWidget& form, Desktop& desktop, PickerFolders& folders,
                                         std::string defaultFolder)
    : QObject(&form)
    , m_form(form)
    , m_desktop(desktop)
    , m_folders(folders)
    , m_defaultFolder(std::move(defaultFolder))
{
    m_txtSplit = makeText(form, "txtSplit", layout::Split, QT_TRANSLATE_NOOP("MainWindow", "Split Time Unit"));
    m_txtSplit->setText(QStringLiteral("30"));
    m_txtSplit->setAlignment(Qt::AlignCenter);
    m_cmbUnit = makeList(form, "cmbUnit", layout::Unit,
                         {QCoreApplication::translate("MainWindow", "Seconds"),
                          QCoreApplication::translate("MainWindow", "Minutes"),
                          QCoreApplication::translate("MainWindow", "Hours")},
                         nullptr);
    m_cmbOF = makeList(form, "cmbOF", layout::Format, entries(FormatChoices), QT_TRANSLATE_NOOP("MainWindow", "Output Format"));
    m_cmbBR = makeList(form, "cmbBR", layout::Bitrate, entries(BitrateChoices), QT_TRANSLATE_NOOP("MainWindow", "Audio Bitrate"));
    m_cmbR = makeList(form, "cmbR", layout::Rate, entries(RateChoices), QT_TRANSLATE_NOOP("MainWindow", "Audio Rate"));
    m_cmbChannel = makeList(
        form, "cmbChannel", layout::Channel,
        {QCoreApplication::translate("MainWindow", "Mono"), QCoreApplication::translate("MainWindow", "Stereo")},
        QT_TRANSLATE_NOOP("MainWindow", "MP3 Audio Channel(Stereo or Mono)"));
    m_txtPath = makeText(form, "txtPath", layout::Path, QT_TRANSLATE_NOOP("MainWindow", "Select a Folder to Output"));
    m_cmdBrowse = new QPushButton(QCoreApplication::translate("MainWindow", "Browse"), &form);
    m_cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    m_cmdBrowse->setGeometry(layout::Browse);
    m_cmdBrowse->setCursor(Qt::PointingHandCursor);
    connect(m_cmdBrowse, &QPushButton::clicked, this, &OutputSettingsPanel::chooseOutputFolder);
}

void OutputSettingsPanel::setDefaults()
{
    m_cmbBR->setCurrentIndex(7);
    m_cmbR->setCurrentIndex(1);
    m_cmbChannel->setCurrentIndex(1);
    m_cmbOF->setCurrentIndex(0);
    setFolderText(m_defaultFolder);
    m_cmbUnit->setCurrentIndex(0);
}

void OutputSettingsPanel::chooseOutputFolder()
{
    using Purpose = PickerFolders::Purpose;
    const QString shown = m_txtPath->text();
    const auto picked = PickFolder(m_desktop, &m_form, m_folders.startFolder(Purpose::OutputFolder, shown));
    setFolderText(picked ? *picked : m_defaultFolder);
    if (FolderExists(folderText())) {
        if (picked)
            m_folders.remember(Purpose::OutputFolder, m_txtPath->text());
        return;
    }
    setFolderText(m_defaultFolder);
    m_desktop.showMessage(
        &m_form, Desktop::Icon::None, QCoreApplication::translate("MainWindow", "Path"),
        QCoreApplication::translate("MainWindow", "The path has unknown characters.\r\nChanged to the default path %1.")
            .arg(QString::fromStdString(m_defaultFolder)));
}

QComboBox* OutputSettingsPanel::list(List which) const
{
    switch (which) {
    case List::Bitrate: return m_cmbBR;
    case List::SampleRate: return m_cmbR;
    case List::Channels: return m_cmbChannel;
    case List::Format: break;
    }
    return m_cmbOF;
}

int OutputSettingsPanel::listPosition(List which) const
{
    return list(which)->currentIndex();
}

void OutputSettingsPanel::setListPosition(List which, int position)
{
    QComboBox* box = list(which);
    if (position >= -1 && position < box->count())
        box->setCurrentIndex(position);
}

std::string OutputSettingsPanel::folderText() const
{
    return m_txtPath->text().toStdString();
}

void OutputSettingsPanel::setFolderText(const std::string& text)
{
    m_txtPath->setText(QString::fromStdString(text));
    m_txtPath->setCursorPosition(0);
}

int OutputSettingsPanel::formatIndex() const { return m_cmbOF->currentIndex(); }
int OutputSettingsPanel::channelIndex() const { return m_cmbChannel->currentIndex(); }
int OutputSettingsPanel::unitIndex() const { return m_cmbUnit->currentIndex(); }

std::string OutputSettingsPanel::bitrateText() const { return m_cmbBR->currentText().toStdString(); }
std::string OutputSettingsPanel::rateText() const { return m_cmbR->currentText().toStdString(); }
std::string OutputSettingsPanel::splitText() const { return m_txtSplit->text().toStdString(); }

QList<QWidget*> OutputSettingsPanel::tabOrder() const
{
    return {m_cmbUnit, m_cmbOF, m_cmbBR, m_cmbR, m_cmbChannel, m_txtPath, m_cmdBrowse, m_txtSplit};
}

} // namespace brisquel
