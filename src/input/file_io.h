#pragma once

#include <string>
#include <string_view>

namespace brisquel {

// A regular file (or a link to one) open for reading, or -1. It is opened without
// blocking, so a pipe or device standing where a file was expected cannot stall the window.
int openRegularFile(const std::string& path);

// Writes all of `bytes`, going on after interrupted writes; false when the file takes no
// more (a full disk, a size limit).
bool writeAll(int fd, std::string_view bytes);

} // namespace brisquel
