#pragma once

#include "settings/setup_settings.h"

#include <string>
#include <string_view>

namespace brisquel {

// setup.ini: five lines, each value between double quotes and ended by CR LF: the bitrate,
// sample-rate and channel positions, the output folder, the format position.

// Applies the five fields of `bytes` in order, each as it is read. A position that is not a
// whole number fitting 16 bits leaves its list as it is, a folder that is not UTF-8 text or
// holds a NUL leaves the folder text as it is, and lines that are missing leave their
// controls as they are.
void readSetup(std::string_view bytes, SetupSettings& panel);

// The file's bytes for the panel's state. The format has no escape, so the folder text is
// written only up to a line break it may hold (the lines after it keep their places), and a
// double quote inside it ends the folder when read back.
std::string setupText(const SetupSettings& panel);

// Reads `folder`/setup.ini into the panel, then gives an empty folder text the default,
// whether or not the file was there.
void LoadSetupFile(const std::string& folder, SetupSettings& panel, const std::string& defaultFolder);

// Writes the panel to `folder`/setup.ini; a save that fails leaves the old file as it was.
void SaveSetupFile(const std::string& folder, const SetupSettings& panel);

} // namespace brisquel
