#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace brisquel {

enum class FileResult { Converted, Warning, Failed, Stopped, NotStarted };

struct FileOutcome
{
    std::string input;                 // the queue path
    FileResult result = FileResult::NotStarted;
    std::string reason;                // why it failed, or what the warning says
    std::vector<std::string> segments; // names of the segments written, in order
};

// The output settings as they stood for the batch's first file.
struct BatchSettings
{
    std::string format;
    std::string bitrate;
    std::string rate;
    std::string channels;
    std::string split;
    std::string outputFolder;
};

// What one batch did, file by file: the one record that the report file, the status line
// and the notification are drawn from.
struct BatchOutcome
{
    std::chrono::system_clock::time_point started;
    std::chrono::system_clock::time_point ended;
    // Wall time of the batch, by the clock the time left is measured with.
    std::chrono::milliseconds duration{0};
    BatchSettings settings;
    std::vector<FileOutcome> files;
    bool stopped = false;

    // Converted files, with or without a warning.
    int converted() const;
    int count(FileResult result) const;
};

} // namespace brisquel
