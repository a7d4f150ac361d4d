#pragma once

#include <string>
#include <vector>

namespace brisquel {

struct FailedFile
{
    std::string input;     // the queue path
    std::string errorLine; // the converter's own reason; may be empty
};

// A failed file's reason as every report gives it: the converter's own line, or a stand-in
// when the converter left none.
std::string FailureReason(const std::string& errorLine);

// At most this many failed files, and as many warned ones, are named in the report.
inline constexpr int FailureReportLimit = 10;

// "Done." when nothing failed, "Done, N failed." when something did, otherwise
// "Done, N with warnings." when files were converted with a warning.
std::string DoneCaption(int failedCount, int warnedCount = 0);

// The text of the end-of-batch warning: every failed input by file name with its reason,
// at most FailureReportLimit of them, then "and K more"; then the files converted with a
// warning, listed the same way.
std::string FailureReportText(const std::vector<FailedFile>& failed, const std::vector<FailedFile>& warned = {});

} // namespace brisquel
