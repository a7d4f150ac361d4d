#pragma once

#include "settings/option_values.h"

#include <ostream>

namespace brisquel::test {

// The four option values together, so a test sets and compares them in one line.
struct Values
{
    int soundReminder, musicCutter, cutStart, cutLength;
    bool operator==(const Values&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Values& v)
{
    return out << "{" << v.soundReminder << ", " << v.musicCutter << ", " << v.cutStart << ", " << v.cutLength << "}";
}

inline Values current()
{
    return {SoundReminder, MusicCutter, CutStartSeconds, CutLengthSeconds};
}

inline void setValues(Values v)
{
    SoundReminder = static_cast<std::int16_t>(v.soundReminder);
    MusicCutter = static_cast<std::int16_t>(v.musicCutter);
    CutStartSeconds = v.cutStart;
    CutLengthSeconds = v.cutLength;
}

} // namespace brisquel::test
