#include "settings/pick_folder.h"

#include "input/code_page.h"

namespace brisquel {

std::optional<std::string> PickFolder(Desktop& desktop, QWidget* owner, const QString& start)
{
    const auto folder = desktop.pickFolder(owner, QStringLiteral("Please select a folder:"), start);
    if (!folder || folder->isEmpty())
        return std::nullopt;
    return utf8CodePage().narrow(folder->toStdString());
}

} // namespace brisquel
