#pragma once

#include <string>

namespace brisquel {

// The folder of the running executable, resolved, without a trailing separator.
std::string programFolder();

// The private per-user scratch folder ($XDG_CACHE_HOME/brisquel/tmp, default
// ~/.cache/brisquel/tmp). It is wiped at every start, so it is never a shared folder.
std::string scratchFolder();

// $HOME/output: the output folder used when none is chosen.
std::string defaultOutputFolder();

// Where batch reports are kept: $XDG_STATE_HOME/brisquel (default ~/.local/state/brisquel),
// made when the first report is written.
std::string reportFolder();

// Whether setup.ini and options.ini stay beside the executable: only in a copy that the
// running user owns and may write, and that is not installed (<prefix>/lib/brisquel). An
// installed copy keeps them per user even for root, so removing the package leaves nothing.
bool keepsSettingsBeside(const std::string& programFolder);

// Where setup.ini and options.ini live: the program folder when keepsSettingsBeside holds,
// otherwise $XDG_CONFIG_HOME/brisquel (default ~/.config/brisquel), created on demand.
std::string settingsFolder();

} // namespace brisquel
