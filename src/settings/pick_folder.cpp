#include "settings/pick_folder.h"

#include "input/code_page.h"

#include <QCoreApplication>

namespace brisquel {

std::optional<std::string> PickFolder(Desktop& desktop, QWidget* owner, const QString& start)
{
    const auto folder
        = desktop.pickFolder(owner, QCoreApplication::translate("MainWindow", "Please select a folder:"), start);
    if (!folder || folder->isEmpty())
        return std::nullopt;
    return utf8CodePage().narrow(folder->toStdString());
}

} // namespace brisquel
