#include "platform/folders.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace brisquel {
namespace {

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/";
}

// An XDG base folder: the variable when it holds an absolute path, else the fallback.
std::string xdgFolder(const char* variable, const char* fallbackBelowHome)
{
    if (const char* value = std::getenv(variable); value && value[0] == '/')
        return value;
    return homeFolder() + "/" + fallbackBelowHome;
}

} // namespace

std::string programFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return ".";
    return exe.parent_path().string();
}

std::string scratchFolder()
{
    return xdgFolder("XDG_CACHE_HOME", ".cache") + "/brisquel/tmp";
}

std::string defaultOutputFolder()
{
    return homeFolder() + "/output";
}

std::string reportFolder()
{
    return xdgFolder("XDG_STATE_HOME", ".local/state") + "/brisquel";
}

std::string settingsFolder()
{
    const std::string program = programFolder();
    if (access(program.c_str(), W_OK) == 0)
        return program;
    const std::string folder = xdgFolder("XDG_CONFIG_HOME", ".config") + "/brisquel";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

} // namespace brisquel
