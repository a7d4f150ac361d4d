#pragma once

#include <string>
#include <vector>

namespace brisquel {

// What the command line asks for. Read before any window system is touched, so that
// --help and --version work without a display.
struct ProgramArguments
{
    enum class Action
    {
        Run,     // start, or hand `paths` to the copy that runs already
        Help,    // usage on standard output, exit 0
        Version, // version on standard output, exit 0
        Misuse,  // `problem` and the usage on standard error, exit 2
    };

    Action action = Action::Run;
    // Files and folders to queue, in the order given, made absolute against the folder the
    // program was started in (a running copy may stand in another).
    std::vector<std::string> paths;
    std::string problem;
};

ProgramArguments parseProgramArguments(const std::vector<std::string>& arguments, const std::string& currentFolder);

std::string usageText();
// "brisquel 1.0.0"
std::string versionText();

} // namespace brisquel
