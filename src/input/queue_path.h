#pragma once

#include "input/code_page.h"
#include "input/local_clock.h"

#include <ctime>
#include <string>
#include <string_view>

namespace brisquel {

// What the intake of a picked or dropped file needs beyond the path.
struct IntakeContext
{
    const CodePage& codePage;
    std::string scratchFolder;
    LocalClock localTime = currentLocalTime;
};

// The base name under which a file that the code page cannot carry is copied: the narrowed
// base name with the characters a file name cannot hold, "?" among them, made spaces, cut to
// 200 characters; "YYYYMMDD-HHMMSS" of `now` when nothing but spaces is left.
std::string safeBaseName(std::string_view path, const CodePage& codePage, const std::tm& now);

// The path the converter is given for a picked or dropped file: the file's own path when
// FileExists accepts it; otherwise a copy in the scratch folder named safe base name +
// ".tmp", or + " (2).tmp", " (3).tmp", ... when that name is taken, so two entries never
// share one copy. The copy's path is returned even when the copy failed; the file under it
// is then empty; `copyFailure`, when given, then receives why ("could not copy to the scratch
// folder: No space left on device"), so the entry's turn can say so instead of converting an
// empty copy. It is emptied when the copy was made or none was needed.
std::string queuePath(const std::string& path, const IntakeContext& context, std::string* copyFailure = nullptr);

// The reason given for an entry whose temporary copy failed with `error` (an errno value).
std::string CopyFailureText(int error);

} // namespace brisquel
