#pragma once

#include <string>

namespace brisquel {

// Creates the scratch folder and the folders above it that are missing, each private to the
// user (mode 0700). Returns true when the folder exists afterwards.
bool createScratchFolder(const std::string& folder);

} // namespace brisquel
