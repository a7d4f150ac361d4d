#include "ui/main_window_context.h"

#include "platform/folders.h"

#include <QDir>
#include <QStandardPaths>

namespace brisquel {

MainWindowContext MainWindowContext::forThisProgram(Desktop& desktop)
{
    MainWindowContext context{brisquel::programFolder(), brisquel::scratchFolder(), brisquel::settingsFolder(),
                              brisquel::defaultOutputFolder(), &desktop};
    context.reportFolder = brisquel::reportFolder();
    context.musicFolder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation).toStdString();
    context.homeFolder = QDir::homePath().toStdString();
    return context;
}

} // namespace brisquel
