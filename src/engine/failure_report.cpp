#include "engine/failure_report.h"

#include "input/get_file.h"
#include "process/core_text.h"

#include <algorithm>

namespace brisquel {

std::string DoneCaption(int failedCount, int warnedCount)
{
    if (failedCount > 0)
        return FillIn(CoreText("FailureReport", "Done, %1 failed."), {std::to_string(failedCount)});
    return warnedCount == 0
        ? CoreText("FailureReport", "Done.")
        : FillIn(CoreText("FailureReport", "Done, %1 with warnings."), {std::to_string(warnedCount)});
}

std::string FailureReason(const std::string& errorLine)
{
    return errorLine.empty() ? CoreText("FailureReport", "no output was written") : errorLine;
}

namespace {

// `one` and `many` are whole headings ("1 file ...:", "%1 files ...:"), so that a translation
// words each as its language needs.
std::string listed(const std::vector<FailedFile>& files, const char* one, const char* many)
{
    const std::size_t count = files.size();
    std::string text = (count == 1 ? CoreText("FailureReport", one)
                                   : FillIn(CoreText("FailureReport", many), {std::to_string(count)}))
        + "\n";
    const std::size_t shown = std::min<std::size_t>(count, FailureReportLimit);
    for (std::size_t i = 0; i < shown; ++i) {
        text += "\n" + GetFileName(files[i].input) + ": ";
        text += FailureReason(files[i].errorLine);
    }
    if (count > shown)
        text += "\n" + FillIn(CoreText("FailureReport", "and %1 more"), {std::to_string(count - shown)});
    return text;
}

} // namespace

std::string FailureReportText(const std::vector<FailedFile>& failed, const std::vector<FailedFile>& warned)
{
    std::string text;
    if (!failed.empty())
        text = listed(failed, CORE_TEXT_NOOP("FailureReport", "1 file was not converted:"),
                      CORE_TEXT_NOOP("FailureReport", "%1 files were not converted:"));
    if (!warned.empty())
        text += (text.empty() ? "" : "\n\n")
            + listed(warned, CORE_TEXT_NOOP("FailureReport", "1 file was converted with a warning:"),
                     CORE_TEXT_NOOP("FailureReport", "%1 files were converted with warnings:"));
    return text;
}

} // namespace brisquel
