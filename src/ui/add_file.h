#pragma once

#include <QString>

#include <string>

class QWidget;

namespace brisquel {

class CommonDlgsW;

// The open dialog's filter for Add File, "MP3 Audio(*.mp3)|*.mp3|...": the common media
// types, then every file, named in the program's language.
QString AddFileFilter();

// Asks `dialog`, opened in `startFolder`, for the one file that Add File queues: its full
// path, or "" when the dialog was cancelled or gave no name.
std::string PickFileToAdd(CommonDlgsW& dialog, QWidget* owner, const QString& startFolder);

} // namespace brisquel
