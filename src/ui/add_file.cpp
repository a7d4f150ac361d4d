#include "ui/add_file.h"

#include "settings/common_dlgs_w.h"

#include <QCoreApplication>

namespace brisquel {

const char AddFileFilter[] =
    "MP3 Audio(*.mp3)|*.mp3|WAVE Files(*.wav)|*.wav|WMA Audio(*.wma)|*.wma|FLAC Files(*.flac)|*.flac|"
    "AAC Files(*.aac)|*.aac|AC3 Files(*.ac3)|*.ac3|OGG Files(*.ogg)|*.ogg|MPEG4 Files(*.mp4)|*.mp4|"
    "AVI Files(*.avi)|*.avi|MPG Files(*.mpg)|*.mpg|WMV Files(*.wmv)|*.wmv|Flash Video(*.flv)|*.flv|"
    "QuickTime Format(*.mov)|*.mov|DVD VOB(*.vob)|*.vob|Real Video(*.rm)|*.rm|3GP Video(*.3gp)|*.3gp|"
    "All Media Formats(*.*)|*.*";

std::string PickFileToAdd(CommonDlgsW& dialog, QWidget* owner, const QString& startFolder)
{
    dialog.FileName.clear();
    dialog.InitDir = startFolder;
    dialog.Filter = QString::fromLatin1(AddFileFilter);
    dialog.DialogTitle = QCoreApplication::translate("MainWindow", "Open Files");
    if (!dialog.ShowOpen(owner))
        return {};
    return dialog.FileName.toStdString();
}

} // namespace brisquel
