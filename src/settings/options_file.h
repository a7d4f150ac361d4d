#pragma once

#include <string>
#include <string_view>

namespace brisquel {

// options.ini: four bare decimal numbers, each ended by CR LF: SoundReminder, MusicCutter,
// CutStartSeconds, CutLengthSeconds.

// Applies the four fields of `bytes` to the option values, each read as its leading number
// (0 when it has none), rounded. A number too large for its value, or a missing line, leaves
// that value as it is.
void readOptions(std::string_view bytes);

std::string optionsText();

// Reads `folder`/options.ini into the option values; without the file, the sound reminder
// and the cutter are 0 and the cut values stay as they are.
void LoadOptionsFile(const std::string& folder);

// Writes the option values to `folder`/options.ini; a save that fails leaves the old file
// as it was.
void SaveOptionsFile(const std::string& folder);

} // namespace brisquel
