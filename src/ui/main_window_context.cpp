#include "ui/main_window_context.h"

#include "platform/folders.h"

namespace brisquel {

MainWindowContext MainWindowContext::forThisProgram(Desktop& desktop)
{
    return {programFolder(), scratchFolder(), settingsFolder(), defaultOutputFolder(), &desktop};
}

} // namespace brisquel
