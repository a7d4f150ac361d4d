#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brisquel {

// Settings files are a few short lines; nothing beyond this many bytes is ever read, so a
// huge or foreign file cannot stall the start.
inline constexpr std::size_t MaxSettingsFileBytes = 64 * 1024;

// The start of a settings file, or nullopt when `path` names no regular file (a folder or
// a pipe of that name counts as missing) or cannot be read.
std::optional<std::string> readSettingsFile(const std::string& path);

// Replaces the file with `bytes` through a temporary file in the same folder, so a crash or
// a full disk leaves either the old file or the new one, never a mix. A link is saved
// through, to its target in the target's folder; the file keeps its mode and owner. Returns
// false, with the old file untouched, when the new one cannot be written or the user may
// not write the old one.
bool writeSettingsFile(const std::string& path, std::string_view bytes);

} // namespace brisquel
