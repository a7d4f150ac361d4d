#pragma once

#include <string>
#include <string_view>

namespace brisquel {

// The image name whose presence in the process list means that a run is still alive.
extern std::string WatchedImageName;

// Whether two image names are the same name, compared lower-cased.
bool IsSameImageName(std::string_view a, std::string_view b);

// Whether any live process (zombies excluded) has this image name, compared lower-cased.
bool IsProcessRunning(const std::string& name);

// Ends every process with this image name (whole name, lower-cased both sides), never this
// program itself; a process that may not be signalled is skipped.
void KillProcessByName(const std::string& name);

} // namespace brisquel
