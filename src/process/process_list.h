#pragma once

#include <string>

namespace brisquel {

// The image name whose presence in the process list means that a run is still alive.
extern std::string WatchedImageName;

// Whether any live process (zombies excluded) has this image name, compared lower-cased.
bool IsProcessRunning(const std::string& name);

// Ends every process with this image name (whole name, lower-cased both sides), never this
// program itself; a process that may not be signalled is skipped.
void KillProcessByName(const std::string& name);

} // namespace brisquel
