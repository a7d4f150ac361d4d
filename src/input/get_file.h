#pragma once

#include "input/code_page.h"

#include <string>
#include <string_view>

namespace brisquel {

// The platform's path separator, used wherever a path is split or joined.
inline constexpr char PathSeparator = '/';

// The text after the last separator; the whole text when there is none; "" for "".
std::string GetFileName(std::string_view path);

// The file name without its folder and without its last "." and what follows; "" when the
// name holds no "." (so "my.song.mp3" gives "my.song", "track" and ".mp3" give "").
std::string GetBaseName(std::string_view path);

// True when the path, narrowed, names an existing entry that is not a folder (a link is
// judged by what it points to).
bool FileExists(std::string_view path, const CodePage& codePage = utf8CodePage());

// True when the path, narrowed, names an existing folder (or a link to one).
bool FolderExists(std::string_view path, const CodePage& codePage = utf8CodePage());

} // namespace brisquel
