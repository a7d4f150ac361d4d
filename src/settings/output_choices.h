#pragma once

#include <array>
#include <string_view>

namespace brisquel {

// The entries of the output settings lists, in list order: setup.ini stores positions, and
// every front end offers the same values.
inline constexpr std::array<std::string_view, 12> BitrateChoices = {"32",  "48",  "56",  "64",  "80",  "96",
                                                                    "112", "128", "192", "224", "256", "320"};
// 12000 Hz at position 6: the MP3 and MPEG encoders refuse 12050 Hz and write nothing.
inline constexpr std::array<std::string_view, 8> RateChoices = {"48000", "44100", "32000", "24000",
                                                                "22050", "16000", "12000", "8000"};
inline constexpr std::array<std::string_view, 9> FormatChoices = {"MP3", "WMA", "OGG", "WAV", "FLAC",
                                                                  "AC3", "AAC", "AMR", "MPG"};

} // namespace brisquel
