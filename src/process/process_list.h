#pragma once

#include <string>
#include <string_view>

namespace brisquel {

// The image name whose presence in the process list means that a run is still alive.
extern std::string WatchedImageName;

// Whether two image names are the same name, compared lower-cased.
bool IsSameImageName(std::string_view a, std::string_view b);

// Whether any live process (zombies excluded) of this program's own user has this image
// name, compared lower-cased. Processes of other users are never looked at: one user's
// converter must not hold up another's batch.
bool IsProcessRunning(const std::string& name);

// Ends (SIGKILL) every process of this program's own user with this image name (whole name,
// lower-cased both sides), never this program itself. Each is signalled through a pidfd
// after its name is checked again, so an id reused since the scan is never hit.
void KillProcessByName(const std::string& name);

} // namespace brisquel
