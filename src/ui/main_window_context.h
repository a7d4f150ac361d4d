#pragma once

#include "engine/batch_driver.h"

#include <QString>

#include <chrono>
#include <string>

namespace brisquel {

class CodePage;
class Desktop;

// What the main window takes from outside: its folders and the desktop. A test hands in
// temporary folders and a scripted desktop.
struct MainWindowContext
{
    std::string programFolder;  // holds data/conv.exe and sound.wav
    std::string scratchFolder;  // wiped at every start
    std::string settingsFolder; // setup.ini, options.ini
    std::string defaultOutputFolder;
    Desktop* desktop = nullptr;
    // The narrowing of dropped and found names; the program's own when null. Tests plug in
    // a code page that lacks ordinary characters, to reach the temporary copies.
    const CodePage* codePage = nullptr;
    // How long a converter run may print nothing before it is taken for hung; tests that
    // hang a converter on purpose use a short one.
    std::chrono::milliseconds converterSilenceLimit = ConverterSilenceLimit;
    // Where the pickers open when nothing has been picked yet in this run.
    std::string musicFolder{};
    std::string homeFolder{};
    // Holds last-batch.txt; empty: batches keep no report.
    std::string reportFolder{};
    // The language whose translations were loaded ("de"); empty for English. Help opens
    // the page of this language.
    QString language{};

    // The folders of the running program.
    static MainWindowContext forThisProgram(Desktop& desktop);
};

} // namespace brisquel
