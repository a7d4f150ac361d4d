#include "ui/main_window_context.h"

#include "platform/folders.h"

namespace brisquel {

MainWindowContext MainWindowContext::forThisProgram(Desktop& desktop)
{
    return {brisquel::programFolder(), brisquel::scratchFolder(), brisquel::settingsFolder(),
            brisquel::defaultOutputFolder(), &desktop, nullptr, ConverterSilenceLimit, brisquel::reportFolder()};
}

} // namespace brisquel
