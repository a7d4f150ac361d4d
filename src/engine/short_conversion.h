#pragma once

#include <string>
#include <string_view>

namespace brisquel {

// A conversion counts as short when its last progress time is below this share of the
// duration the input states.
inline constexpr double ShortConversionShare = 0.98;

// What a conversion that ended well says when it read less of the input than the input's
// headers promise (a cut-off download): "only 6.7 s of 20.0 s could be read". Empty when
// the input states no duration, no progress was printed, or enough was read.
std::string ShortConversionWarning(std::string_view conversionOutputs);

} // namespace brisquel
