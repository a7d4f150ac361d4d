#include "engine/batch_report.h"

#include "engine/failure_report.h"
#include "input/file_io.h"
#include "input/get_file.h"
#include "process/core_text.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace brisquel {

namespace {

std::tm systemLocalTime(std::time_t time)
{
    std::tm local{};
    localtime_r(&time, &local);
    return local;
}

std::string timeText(std::chrono::system_clock::time_point when, std::tm (*localTime)(std::time_t))
{
    const std::tm local = localTime(std::chrono::system_clock::to_time_t(when));
    char text[64];
    if (std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local) == 0)
        return {};
    return text;
}

// Characters of UTF-8 text, as a plain-text view lines them up ("Début" is five).
std::size_t characters(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Labels padded to the widest one, so the columns stay in line in whatever language the
// labels come.
std::vector<std::string> padded(std::vector<std::string> labels, std::size_t gap)
{
    std::size_t widest = 0;
    for (const std::string& label : labels)
        widest = std::max(widest, characters(label));
    for (std::string& label : labels)
        label.append(widest + gap - characters(label), ' ');
    return labels;
}

enum Heading { HeadingStarted, HeadingEnded, HeadingFormat, HeadingSplit, HeadingOutput };
enum Verdict { VerdictConverted, VerdictWarning, VerdictFailed, VerdictStopped, VerdictNotStarted };

std::vector<std::string> verdictLabels()
{
    return padded({CoreText("BatchReport", "converted"), CoreText("BatchReport", "warning"),
                   CoreText("BatchReport", "failed"), CoreText("BatchReport", "stopped"),
                   CoreText("BatchReport", "not started")},
                  1);
}

std::string fileLine(const FileOutcome& file, const std::vector<std::string>& verdicts)
{
    const std::string name = GetFileName(file.input);
    switch (file.result) {
    case FileResult::Converted:
    case FileResult::Warning: {
        const std::size_t count = file.segments.size();
        std::string line = verdicts[VerdictConverted] + name + " -> "
                         + (count == 1 ? CoreText("BatchReport", "1 segment")
                                       : FillIn(CoreText("BatchReport", "%1 segments"), {std::to_string(count)}));
        for (std::size_t i = 0; i < count; ++i)
            line += (i == 0 ? ": " : ", ") + file.segments[i];
        if (file.result == FileResult::Warning)
            line += "\n" + verdicts[VerdictWarning] + name + ": " + file.reason;
        return line;
    }
    case FileResult::Failed:
        return verdicts[VerdictFailed] + name + ": " + FailureReason(file.reason);
    case FileResult::Stopped: return verdicts[VerdictStopped] + name;
    case FileResult::NotStarted: break;
    }
    return verdicts[VerdictNotStarted] + name + (file.reason.empty() ? "" : ": " + file.reason);
}

void makeFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1))
        mkdir(folder.substr(0, slash).c_str(), 0700);
    mkdir(folder.c_str(), 0700);
}

} // namespace

std::string BatchReportText(const BatchOutcome& outcome, std::tm (*localTime)(std::time_t))
{
    if (!localTime)
        localTime = systemLocalTime;
    const BatchSettings& s = outcome.settings;
    const std::vector<std::string> headings =
        padded({CoreText("BatchReport", "Started:"), CoreText("BatchReport", "Ended:"),
                CoreText("BatchReport", "Format:"), CoreText("BatchReport", "Split:"),
                CoreText("BatchReport", "Output:")},
               2);
    std::string text = CoreText("BatchReport", "Brisquel batch report") + "\n\n";
    text += headings[HeadingStarted] + timeText(outcome.started, localTime) + "\n";
    text += headings[HeadingEnded] + timeText(outcome.ended, localTime)
          + (outcome.stopped ? CoreText("BatchReport", " (stopped)") : "") + "\n";
    text += headings[HeadingFormat] + s.format + ", " + s.bitrate + " kbit/s, " + s.rate + " Hz, " + s.channels + "\n";
    text += headings[HeadingSplit] + s.split + "\n";
    text += headings[HeadingOutput] + s.outputFolder + "\n\n";
    const std::vector<std::string> verdicts = verdictLabels();
    for (const FileOutcome& file : outcome.files)
        text += fileLine(file, verdicts) + "\n";
    text += "\n";
    text += FillIn(CoreText("BatchReport", "%1 converted, %2 failed, %3 with a warning, %4 left in the list"),
                   {std::to_string(outcome.converted()), std::to_string(outcome.count(FileResult::Failed)),
                    std::to_string(outcome.count(FileResult::Warning)),
                    std::to_string(outcome.count(FileResult::Stopped) + outcome.count(FileResult::NotStarted))})
          + "\n";
    return text;
}

bool WriteBatchReport(const std::string& path, const std::string& text)
{
    const std::size_t slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0)
        makeFolders(path.substr(0, slash));
    std::string temporary = path + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, text) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace brisquel
