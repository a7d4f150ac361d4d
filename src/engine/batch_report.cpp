#include "engine/batch_report.h"

#include "input/file_io.h"
#include "input/get_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

std::string fileLine(const FileOutcome& file)
{
    const std::string name = GetFileName(file.input);
    switch (file.result) {
    case FileResult::Converted:
    case FileResult::Warning: {
        const std::size_t count = file.segments.size();
        std::string line = "converted   " + name + " -> " + std::to_string(count) + (count == 1 ? " segment" : " segments");
        for (std::size_t i = 0; i < count; ++i)
            line += (i == 0 ? ": " : ", ") + file.segments[i];
        if (file.result == FileResult::Warning)
            line += "\nwarning     " + name + ": " + file.reason;
        return line;
    }
    case FileResult::Failed:
        return "failed      " + name + ": " + (file.reason.empty() ? "no output was written" : file.reason);
    case FileResult::Stopped: return "stopped     " + name;
    case FileResult::NotStarted: break;
    }
    return "not started " + name + (file.reason.empty() ? "" : ": " + file.reason);
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
    std::string text = "Brisquel batch report\n\n";
    text += "Started:  " + timeText(outcome.started, localTime) + "\n";
    text += "Ended:    " + timeText(outcome.ended, localTime) + (outcome.stopped ? " (stopped)" : "") + "\n";
    text += "Format:   " + s.format + ", " + s.bitrate + " kbit/s, " + s.rate + " Hz, " + s.channels + "\n";
    text += "Split:    " + s.split + "\n";
    text += "Output:   " + s.outputFolder + "\n\n";
    for (const FileOutcome& file : outcome.files)
        text += fileLine(file) + "\n";
    text += "\n";
    text += std::to_string(outcome.converted()) + " converted, " + std::to_string(outcome.count(FileResult::Failed))
          + " failed, " + std::to_string(outcome.count(FileResult::Warning)) + " with a warning, "
          + std::to_string(outcome.count(FileResult::Stopped) + outcome.count(FileResult::NotStarted))
          + " left in the list\n";
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
