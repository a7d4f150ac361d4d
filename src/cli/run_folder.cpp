#include "cli/run_folder.h"

#include "engine/command_lines.h"
#include "input/delete_folder_tree.h"
#include "input/scratch_folder.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace brisquel {

RunFolder::RunFolder(const std::string& parentFolder, const std::string& converter)
    // Short enough for the kernel's 15-character process name, so the process list shows it
    // whole; the process id keeps runs of the same user apart.
    : m_converterName("bqconv-" + std::to_string(getpid()))
{
    if (!createScratchFolder(parentFolder)) {
        m_error = "cannot make " + parentFolder + ": " + std::strerror(errno);
        return;
    }
    std::string pattern = parentFolder + "/cli-" + std::to_string(getpid()) + "-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        m_error = "cannot make a folder in " + parentFolder + ": " + std::strerror(errno);
        return;
    }
    const std::string data = pattern + "/data";
    if (mkdir(data.c_str(), 0700) != 0 || symlink(converter.c_str(), (data + "/" + m_converterName).c_str()) != 0) {
        m_error = "cannot link the converter in " + data + ": " + std::strerror(errno);
        DeleteFolderTree(pattern, {});
        return;
    }
    m_path = std::move(pattern);
}

RunFolder::~RunFolder()
{
    if (!m_path.empty())
        DeleteFolderTree(m_path, {});
}

std::string RunFolder::scratchFolder() const
{
    return m_path + "/tmp";
}

std::string ResolvedConverter(const std::string& programFolder)
{
    const std::string link = programFolder + "/data/" + DefaultConverterName;
    char resolved[PATH_MAX];
    if (!realpath(link.c_str(), resolved) || access(resolved, X_OK) != 0)
        return {};
    return resolved;
}

} // namespace brisquel
