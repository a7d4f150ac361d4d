#include "ui/add_file.h"

#include "settings/common_dlgs_w.h"

#include <QCoreApplication>

namespace brisquel {

namespace {

struct FileType
{
    const char* name;
    const char* extension;
};

constexpr FileType AddFileTypes[] = {
    {QT_TRANSLATE_NOOP("FileTypes", "MP3 Audio"), "mp3"},       {QT_TRANSLATE_NOOP("FileTypes", "WAVE Files"), "wav"},
    {QT_TRANSLATE_NOOP("FileTypes", "WMA Audio"), "wma"},       {QT_TRANSLATE_NOOP("FileTypes", "FLAC Files"), "flac"},
    {QT_TRANSLATE_NOOP("FileTypes", "AAC Files"), "aac"},       {QT_TRANSLATE_NOOP("FileTypes", "AC3 Files"), "ac3"},
    {QT_TRANSLATE_NOOP("FileTypes", "OGG Files"), "ogg"},       {QT_TRANSLATE_NOOP("FileTypes", "MPEG4 Files"), "mp4"},
    {QT_TRANSLATE_NOOP("FileTypes", "AVI Files"), "avi"},       {QT_TRANSLATE_NOOP("FileTypes", "MPG Files"), "mpg"},
    {QT_TRANSLATE_NOOP("FileTypes", "WMV Files"), "wmv"},       {QT_TRANSLATE_NOOP("FileTypes", "Flash Video"), "flv"},
    {QT_TRANSLATE_NOOP("FileTypes", "QuickTime Format"), "mov"}, {QT_TRANSLATE_NOOP("FileTypes", "DVD VOB"), "vob"},
    {QT_TRANSLATE_NOOP("FileTypes", "Real Video"), "rm"},       {QT_TRANSLATE_NOOP("FileTypes", "3GP Video"), "3gp"},
    {QT_TRANSLATE_NOOP("FileTypes", "All Media Formats"), "*"},
};

} // namespace

QString AddFileFilter()
{
    QStringList parts;
    for (const FileType& type : AddFileTypes) {
        const QString pattern = QStringLiteral("*.") + QLatin1String(type.extension);
        parts << QCoreApplication::translate("FileTypes", type.name) + QLatin1Char('(') + pattern + QLatin1Char(')') << pattern;
    }
    return parts.join(QLatin1Char('|'));
}

std::string PickFileToAdd(CommonDlgsW& dialog, QWidget* owner, const QString& startFolder)
{
    dialog.FileName.clear();
    dialog.InitDir = startFolder;
    dialog.Filter = AddFileFilter();
    dialog.DialogTitle = QCoreApplication::translate("MainWindow", "Open Files");
    if (!dialog.ShowOpen(owner))
        return {};
    return dialog.FileName.toStdString();
}

} // namespace brisquel
