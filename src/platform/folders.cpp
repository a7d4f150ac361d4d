#include "platform/folders.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <sys/stat.h>
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

bool keepsSettingsBeside(const std::string& programFolder)
{
    if (("/" + programFolder).ends_with("/" BRISQUEL_PROGRAM_DIR))
        return false;
    struct stat st {};
    return ::stat(programFolder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid()
        && ::access(programFolder.c_str(), W_OK) == 0;
}

std::string reportFolder()
{
    return xdgFolder("XDG_STATE_HOME", ".local/state") + "/brisquel";
}

std::string settingsFolder()
{
    const std::string program = programFolder();
    if (keepsSettingsBeside(program))
        return program;
    const std::string folder = xdgFolder("XDG_CONFIG_HOME", ".config") + "/brisquel";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

} // namespace brisquel
