#include "ui/program_arguments.h"

#include "process/core_text.h"

namespace brisquel {

ProgramArguments parseProgramArguments(const std::vector<std::string>& arguments, const std::string& currentFolder)
{
    ProgramArguments result;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (!optionsEnded && argument.size() > 1 && argument[0] == '-') {
            if (argument == "--") {
                optionsEnded = true;
            } else if (argument == "-h" || argument == "--help") {
                return {ProgramArguments::Action::Help, {}, {}};
            } else if (argument == "--version") {
                return {ProgramArguments::Action::Version, {}, {}};
            } else {
                return {ProgramArguments::Action::Misuse, {},
                        FillIn(CoreText("ProgramArguments", "unknown option '%1'"), {argument})};
            }
            continue;
        }
        // An empty argument names no file; a drop would not carry one either.
        if (argument.empty())
            continue;
        if (argument[0] == '/' || currentFolder.empty())
            result.paths.push_back(argument);
        else
            result.paths.push_back(currentFolder + (currentFolder.back() == '/' ? "" : "/") + argument);
    }
    return result;
}

std::string usageText()
{
    return CoreText("ProgramArguments",
                    "Usage: brisquel [OPTION]... [FILE|FOLDER]...\n"
                    "Convert audio and video files and split them into parts of equal length.\n"
                    "\n"
                    "Every FILE is queued, and every file found in a FOLDER and its subfolders, in\n"
                    "the order given. When Brisquel runs already, they are added to its list.\n"
                    "\n"
                    "  -h, --help     show this help and exit\n"
                    "      --version  show the version and exit\n"
                    "      --         take every argument after this as a file or folder\n");
}

std::string versionText()
{
    return std::string("brisquel ") + BRISQUEL_VERSION + "\n";
}

} // namespace brisquel
