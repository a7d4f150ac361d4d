#pragma once

#include <string>
#include <vector>

namespace brisquel {

struct FailedFile
{
    std::string input;     // the queue path
    std::string errorLine; // the converter's own reason; may be empty
};

// At most this many failed files are named in the report.
inline constexpr int FailureReportLimit = 10;

// "Done." when nothing failed, otherwise "Done, N failed.".
std::string DoneCaption(int failedCount);

// The text of the end-of-batch warning: every failed input by file name with its reason,
// at most FailureReportLimit of them, then "and K more".
std::string FailureReportText(const std::vector<FailedFile>& failed);

} // namespace brisquel
