#include "settings/open_file_dialog.h"

#include "input/code_page.h"
#include "input/get_file.h"
#include "input/utf8_text.h"
#include "platform/qt_file_filters.h"

#include <QDir>

namespace brisquel {

// The flags ask for long names and an unchanged current folder, which Qt's dialog always
// gives; they change nothing here.
std::string OpenFileDialog(Desktop& desktop, QWidget* owner, const std::string& programFolder,
                           const std::string& title, const std::string& initialFolder,
                           const std::string& filter, std::int32_t /*flags*/)
{
    std::string folder = initialFolder;
    if (trimSpaces(folder).empty()) {
        folder = programFolder;
    } else {
        if (folder.back() != PathSeparator)
            folder += PathSeparator;
        if (!QDir(QString::fromStdString(folder)).isReadable())
            folder = programFolder;
    }
    const std::string filters = trimSpaces(filter).empty() ? std::string("*.*|*.*") : filter;

    Desktop::FileRequest request;
    request.title = QString::fromStdString(title);
    request.folder = QString::fromStdString(folder);
    request.filters = qtFileFilters(QString::fromStdString(filters));
    const auto answer = desktop.openFile(owner, request);
    if (!answer || answer->files.isEmpty())
        return {};
    return utf8CodePage().narrow(answer->files.first().toStdString());
}

} // namespace brisquel
