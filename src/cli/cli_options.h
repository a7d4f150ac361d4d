#pragma once

#include <string>
#include <vector>

namespace brisquel {

// What brisquel-cli's command line asks for, in the window's terms: list positions and
// texts as the output settings controls would hold them.
struct CliOptions
{
    int formatIndex = 0;            // position in FormatChoices
    std::string bitrateText = "128";
    std::string rateText = "44100";
    int channelIndex = 1;           // 0 mono, 1 stereo
    std::string splitText = "30";   // whole number of units; "0": one file
    int unitIndex = 0;              // 0 seconds, 1 minutes, 2 hours
    std::string outputFolder = "."; // the current folder unless given
    int jobs = 1;
    bool copy = false;
    std::string reportFile;         // empty: no report
    bool json = false;
    bool quiet = false;
    std::vector<std::string> inputs; // files and folders, in the order given
};

struct CliCommand
{
    enum class Action { Run, Help, Version, UsageError };
    Action action = Action::Run;
    CliOptions options;
    std::string error; // for UsageError: names the bad option and what it allows
};

// Reads the arguments after the program name. `defaultJobs` is the number of conversions at
// once when --jobs is not given.
CliCommand ParseCliArguments(const std::vector<std::string>& arguments, int defaultJobs);

std::string CliUsageText();

} // namespace brisquel
