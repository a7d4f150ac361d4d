#pragma once

#include "engine/batch_outcome.h"

#include <ctime>
#include <string>

namespace brisquel {

// The plain-text record of a batch: when it ran, the settings it used, and one line per
// file with what became of it. Times are given in local time by `localTime`.
std::string BatchReportText(const BatchOutcome& outcome, std::tm (*localTime)(std::time_t) = nullptr);

// Replaces `path` with `text` as a whole: written beside it under a temporary name, then
// renamed over it, so a reader never finds half a report. Makes the missing folders above
// it (private to the user). False when the report could not be written; the old one then
// stays as it was.
bool WriteBatchReport(const std::string& path, const std::string& text);

} // namespace brisquel
