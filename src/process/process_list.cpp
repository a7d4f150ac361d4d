#include "process/process_list.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace brisquel {

// The driver sets it before every run; starting with the converter's name keeps a run that
// nobody configured from ending at its first quiet poll.
std::string WatchedImageName = "conv.exe";

namespace {

// The kernel keeps at most this many characters of an image name in comm and stat.
constexpr std::size_t kCommLength = 15;

std::string lowered(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string baseName(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

// Reads a small /proc file whole; empty when it is gone or unreadable.
std::string readProcFile(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::string text;
    char buffer[512];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            text.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    close(fd);
    return text;
}

struct ProcessEntry
{
    pid_t pid = 0;
    std::string imageName; // lower-cased
};

// The full image name of a process whose comm may have been cut: the base name of its first
// argument or of its executable, when that begins with comm; comm itself otherwise.
std::string fullImageName(pid_t pid, const std::string& comm)
{
    const std::string folder = "/proc/" + std::to_string(pid);
    const std::string cmdline = readProcFile(folder + "/cmdline");
    std::string candidate = baseName(std::string_view(cmdline.c_str()));
    if (candidate.size() > comm.size() && candidate.compare(0, comm.size(), comm) == 0)
        return candidate;

    char target[4096];
    const ssize_t n = readlink((folder + "/exe").c_str(), target, sizeof target - 1);
    if (n > 0) {
        candidate = baseName(std::string_view(target, static_cast<std::size_t>(n)));
        if (candidate.size() > comm.size() && candidate.compare(0, comm.size(), comm) == 0)
            return candidate;
    }
    return comm;
}

// Every live process with its image name. A zombie has ended: it is left out.
std::vector<ProcessEntry> snapshot()
{
    std::vector<ProcessEntry> entries;
    const std::unique_ptr<DIR, int (*)(DIR*)> proc(opendir("/proc"), closedir);
    if (!proc)
        return entries;
    while (const dirent* entry = readdir(proc.get())) {
        const std::string_view name = entry->d_name;
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(std::string(name)));

        // "pid (comm) state ...": comm may itself hold ") ", so it ends at the last one.
        const std::string stat = readProcFile("/proc/" + std::string(name) + "/stat");
        const std::size_t open = stat.find('(');
        const std::size_t close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close < open || close + 2 >= stat.size())
            continue;
        const char state = stat[close + 2];
        if (state == 'Z' || state == 'X' || state == 'x')
            continue;

        std::string comm = stat.substr(open + 1, close - open - 1);
        if (comm.size() >= kCommLength)
            comm = fullImageName(pid, comm);
        entries.push_back({pid, lowered(comm)});
    }
    return entries;
}

} // namespace

bool IsSameImageName(std::string_view a, std::string_view b)
{
    return lowered(a) == lowered(b);
}

bool IsProcessRunning(const std::string& name)
{
    const std::string wanted = lowered(name);
    bool found = false;
    for (const ProcessEntry& entry : snapshot()) {
        if (entry.imageName == wanted)
            found = true;
    }
    return found;
}

void KillProcessByName(const std::string& name)
{
    const std::string wanted = lowered(name);
    const pid_t self = getpid();
    for (const ProcessEntry& entry : snapshot()) {
        if (entry.imageName != wanted || entry.pid == self)
            continue;
        // EPERM (not ours to end) and ESRCH (already gone) are passed over alike.
        kill(entry.pid, SIGKILL);
    }
}

} // namespace brisquel
