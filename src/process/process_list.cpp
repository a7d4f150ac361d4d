#include "process/process_list.h"

#include "process/pidfd.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <optional>
#include <sstream>
#include <thread>
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
    std::string comm; // lower-cased; cut to kCommLength by the kernel
};

// The kernel's mark of its own threads in the flags of /proc/PID/stat.
constexpr unsigned long kKernelThread = 0x00200000;

// The fields of /proc/PID/stat after "(comm)", which may itself hold ") ".
struct StatLine
{
    std::string comm;
    char state = 0;
    unsigned long flags = 0;
};

std::optional<StatLine> readStat(const std::string& folder)
{
    const std::string stat = readProcFile(folder + "/stat");
    const std::size_t open = stat.find('(');
    const std::size_t close = stat.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open || close + 2 >= stat.size())
        return std::nullopt;
    StatLine line;
    line.comm = stat.substr(open + 1, close - open - 1);
    line.state = stat[close + 2];
    // state ppid pgrp session tty_nr tpgid flags
    std::istringstream rest(stat.substr(close + 2));
    std::string skipped;
    for (int i = 0; i < 6; ++i)
        rest >> skipped;
    rest >> line.flags;
    return line;
}

bool hasEnded(char state)
{
    return state == 'Z' || state == 'X' || state == 'x';
}

// The real user of a process, from the "Uid:" line of its status; -1 when unknown.
long long realUser(const std::string& folder)
{
    const std::string status = readProcFile(folder + "/status");
    const std::size_t at = status.find("\nUid:");
    if (at == std::string::npos)
        return -1;
    std::istringstream fields(status.substr(at + 5));
    long long uid = -1;
    fields >> uid;
    return uid;
}

// The full image name of a process whose comm may have been cut: the base name of its first
// argument or of its executable, when that begins with comm; comm itself otherwise.
// In the middle of an exec a process already carries its new comm while its command line is
// still empty: that moment is waited out (bounded), or the cut name would pass for the whole.
std::string fullImageName(pid_t pid, const std::string& comm)
{
    const std::string folder = "/proc/" + std::to_string(pid);
    std::string cmdline = readProcFile(folder + "/cmdline");
    for (int tries = 0; cmdline.empty() && tries < 1000; ++tries) {
        const auto stat = readStat(folder);
        if (!stat || hasEnded(stat->state))
            return comm;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        cmdline = readProcFile(folder + "/cmdline");
    }
    std::string candidate = baseName(std::string_view(cmdline.c_str()));
    if (candidate.size() > comm.size() && IsSameImageName(candidate.substr(0, comm.size()), comm))
        return candidate;

    char target[4096];
    const ssize_t n = readlink((folder + "/exe").c_str(), target, sizeof target - 1);
    if (n > 0) {
        candidate = baseName(std::string_view(target, static_cast<std::size_t>(n)));
        if (candidate.size() > comm.size() && IsSameImageName(candidate.substr(0, comm.size()), comm))
            return candidate;
    }
    return comm;
}

// Every live process of this program's own user (same real uid), with its comm. Zombies
// have ended and kernel threads are nobody's: both are left out. Another user's processes
// are not ours to wait for or to end.
std::vector<ProcessEntry> snapshot()
{
    std::vector<ProcessEntry> entries;
    const std::unique_ptr<DIR, int (*)(DIR*)> proc(opendir("/proc"), closedir);
    if (!proc)
        return entries;
    const long long self = getuid();
    while (const dirent* entry = readdir(proc.get())) {
        const std::string_view name = entry->d_name;
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const std::string folder = "/proc/" + std::string(name);
        const auto stat = readStat(folder);
        if (!stat || hasEnded(stat->state) || (stat->flags & kKernelThread) != 0 || realUser(folder) != self)
            continue;
        entries.push_back({static_cast<pid_t>(std::stol(std::string(name))), lowered(stat->comm)});
    }
    return entries;
}

// Whether the process is the one named `wanted` (lower-cased). A comm cut by the kernel is
// completed only when it could be the wanted name, so the walk stays cheap.
bool isNamed(const ProcessEntry& entry, const std::string& wanted)
{
    if (entry.comm.size() < kCommLength)
        return entry.comm == wanted;
    if (wanted.size() < kCommLength || wanted.compare(0, kCommLength, entry.comm) != 0)
        return false;
    return lowered(fullImageName(entry.pid, entry.comm)) == wanted;
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
        if (isNamed(entry, wanted))
            found = true;
    }
    return found;
}

void KillProcessByName(const std::string& name)
{
    const std::string wanted = lowered(name);
    const pid_t self = getpid();
    for (const ProcessEntry& entry : snapshot()) {
        if (entry.pid == self || !isNamed(entry, wanted))
            continue;
        // The id may have passed to another process since the scan: the pidfd pins one
        // process, whose name and user are checked again before it is signalled.
        const int pidfd = OpenPidfd(entry.pid);
        if (pidfd < 0)
            continue;
        const std::string folder = "/proc/" + std::to_string(entry.pid);
        const auto stat = readStat(folder);
        if (stat && lowered(stat->comm) == entry.comm && realUser(folder) == static_cast<long long>(getuid()))
            SignalPidfd(pidfd, SIGKILL); // EPERM and ESRCH are passed over alike
        close(pidfd);
    }
}

} // namespace brisquel
