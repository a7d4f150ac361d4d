#pragma once

#include <string>
#include <string_view>

namespace brisquel {

// The "Format" column: "FLAC" when the last four characters, upper-cased, are "FLAC";
// otherwise the last three characters upper-cased (so ".rm" gives ".RM", and a name without
// an extension gives its last three characters).
std::string formatTag(std::string_view source);

} // namespace brisquel
