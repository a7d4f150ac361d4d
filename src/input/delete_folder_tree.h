#pragma once

#include <functional>
#include <string>

namespace brisquel {

// Removes `folder` with everything in it, read-only and hidden entries included. A link is
// removed as a link: what it points to is never touched, and the removal never leaves the
// tree it was given. What cannot be removed stays (with the folders above it) and the rest
// goes on; a folder that does not exist is no error. `yield` runs after every entry.
void DeleteFolderTree(const std::string& folder, const std::function<void()>& yield);

} // namespace brisquel
