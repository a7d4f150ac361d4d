#include "engine/failure_report.h"

#include "input/get_file.h"

#include <algorithm>

namespace brisquel {

std::string DoneCaption(int failedCount)
{
    return failedCount == 0 ? "Done." : "Done, " + std::to_string(failedCount) + " failed.";
}

std::string FailureReportText(const std::vector<FailedFile>& failed)
{
    const std::size_t count = failed.size();
    std::string text = count == 1 ? "1 file was not converted:\n" : std::to_string(count) + " files were not converted:\n";
    const std::size_t shown = std::min<std::size_t>(count, FailureReportLimit);
    for (std::size_t i = 0; i < shown; ++i) {
        text += "\n" + GetFileName(failed[i].input) + ": ";
        text += failed[i].errorLine.empty() ? "no output was written" : failed[i].errorLine;
    }
    if (count > shown)
        text += "\nand " + std::to_string(count - shown) + " more";
    return text;
}

} // namespace brisquel
