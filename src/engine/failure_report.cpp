#include "engine/failure_report.h"

#include "input/get_file.h"

#include <algorithm>

namespace brisquel {

std::string DoneCaption(int failedCount, int warnedCount)
{
    if (failedCount > 0)
        return "Done, " + std::to_string(failedCount) + " failed.";
    return warnedCount == 0 ? "Done." : "Done, " + std::to_string(warnedCount) + " with warnings.";
}

namespace {

std::string listed(const std::vector<FailedFile>& files, const std::string& one, const std::string& many)
{
    const std::size_t count = files.size();
    std::string text = count == 1 ? "1 file " + one + ":\n" : std::to_string(count) + " files " + many + ":\n";
    const std::size_t shown = std::min<std::size_t>(count, FailureReportLimit);
    for (std::size_t i = 0; i < shown; ++i) {
        text += "\n" + GetFileName(files[i].input) + ": ";
        text += files[i].errorLine.empty() ? "no output was written" : files[i].errorLine;
    }
    if (count > shown)
        text += "\nand " + std::to_string(count - shown) + " more";
    return text;
}

} // namespace

std::string FailureReportText(const std::vector<FailedFile>& failed, const std::vector<FailedFile>& warned)
{
    std::string text;
    if (!failed.empty())
        text = listed(failed, "was not converted", "were not converted");
    if (!warned.empty())
        text += (text.empty() ? "" : "\n\n") + listed(warned, "was converted with a warning", "were converted with warnings");
    return text;
}

} // namespace brisquel
