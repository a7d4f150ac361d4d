#pragma once

#include <string>

namespace brisquel {

// Whether the path (links followed) names a FIFO, a socket or a device: something that a
// read may block on for ever or never finish. A missing path, a file or a folder is not.
bool IsSpecialFile(const std::string& path);

} // namespace brisquel
