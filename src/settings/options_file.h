#pragma once

#include <string>
#include <string_view>

namespace brisquel {

// options.ini: bare decimal numbers, each ended by CR LF: SoundReminder, MusicCutter,
// CutStartSeconds, CutLengthSeconds, then ConversionsAtOnce and SplitByCopy (0 or 1), the
// last two written only when one of them differs from its default.

// Applies the fields of `bytes` to the option values, each read as its leading number
// (0 when it has none), rounded. For the first four, a number too large for its value, or a
// missing line, leaves that value as it is; lines 5 and 6 give their defaults when missing
// or out of range (below 1, or other than 0 and 1).
void readOptions(std::string_view bytes);

std::string optionsText();

// Reads `folder`/options.ini into the option values; without the file, the sound reminder
// and the cutter are 0, lines 5 and 6 their defaults, and the cut values stay as they are.
void LoadOptionsFile(const std::string& folder);

// Writes the option values to `folder`/options.ini; a save that fails leaves the old file
// as it was.
void SaveOptionsFile(const std::string& folder);

} // namespace brisquel
