#pragma once

#include <string>

namespace brisquel::test {

enum class SettingsFile { Setup, Options };

// "setup.ini" or "options.ini".
const char* settingsFileName(SettingsFile file);

// What the program itself saves: the positions 3, 2 and 0, the folder "/music/out" and the
// position 4; or the options 1, 1, 90 and 120.
std::string savedSettings(SettingsFile file);

// Damaged settings files that a start must get past, each made at `path`. As root every
// file is readable whatever its mode, so "unreadable" is made of things no mode can help:
// a pipe with no writer, a folder, and a regular file whose every read fails.

// The header of a picture, with NULs, high bytes and control characters, where no line
// starts with a number and no quoted text is a path.
void makeBinaryFile(const std::string& path, SettingsFile file);
// The saved lines, then 100 MB more (sparse, so quick to make).
void makeHugeFile(const std::string& path, SettingsFile file);
// The saved file cut off in the middle of a line ending after line 4 (setup) or line 2
// (options).
void makeTruncatedFile(const std::string& path, SettingsFile file);
void makePipe(const std::string& path, SettingsFile file);
void makeFolder(const std::string& path, SettingsFile file);
// A link to /proc/self/mem: a regular file that opens, but whose reads fail.
void makeReadErrorFile(const std::string& path, SettingsFile file);

} // namespace brisquel::test
