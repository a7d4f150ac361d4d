#pragma once

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

} // namespace brisquel
