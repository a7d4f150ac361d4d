#include "process_test_helpers.h"

#include "test_support.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <dirent.h>
#include <filesystem>
#include <spawn.h>
#include <stdexcept>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace brisquel::test {

NamedProcess::NamedProcess(const std::string& folder, const std::string& name, const std::string& target,
                           const std::vector<std::string>& arguments)
{
    const std::string link = folder + "/" + name;
    std::error_code ec;
    fs::remove(link, ec);
    fs::create_symlink(target, link);
    std::vector<std::string> words{name};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    if (posix_spawn(&m_pid, link.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start " + link);
    // The name is set late in the exec, after posix_spawn has returned: wait for it, so
    // that a test sees the process under its name from the start.
    const std::string comm = name.substr(0, 15) + "\n";
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (readFile("/proc/" + std::to_string(m_pid) + "/comm") != comm && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

NamedProcess::~NamedProcess()
{
    if (!m_reaped) {
        kill(m_pid, SIGKILL);
        waitEnded(10000);
    }
}

bool NamedProcess::waitEnded(int ms, int* status)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    for (;;) {
        int raw = 0;
        const pid_t done = waitpid(m_pid, &raw, WNOHANG);
        if (done == m_pid || (done < 0 && errno == ECHILD)) {
            m_reaped = true;
            if (status)
                *status = raw;
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool NamedProcess::hasExited() const
{
    const char state = processState(m_pid);
    return m_reaped || state == 0 || state == 'Z' || state == 'X';
}

std::string privateImageName(const std::string& tail)
{
    return "bq" + std::to_string(getpid()) + tail;
}

namespace {

std::string statOf(pid_t pid)
{
    return readFile("/proc/" + std::to_string(pid) + "/stat");
}

} // namespace

char processState(pid_t pid)
{
    const std::string stat = statOf(pid);
    const std::size_t close = stat.rfind(')');
    return close == std::string::npos || close + 2 >= stat.size() ? 0 : stat[close + 2];
}

std::vector<ChildInfo> liveChildren()
{
    std::vector<ChildInfo> children;
    const pid_t self = getpid();
    for (const auto& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string stat = readFile(entry.path().string() + "/stat");
        const std::size_t open = stat.find('(');
        const std::size_t close = stat.rfind(')');
        if (open == std::string::npos || close == std::string::npos || close + 4 >= stat.size())
            continue;
        // After ") " come the state letter and the parent's id.
        const char state = stat[close + 2];
        const pid_t parent = static_cast<pid_t>(std::stol(stat.substr(close + 4)));
        if (parent == self && state != 'Z' && state != 'X')
            children.push_back({static_cast<pid_t>(std::stol(name)), stat.substr(open + 1, close - open - 1)});
    }
    return children;
}

int openDescriptorCount()
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/fd"))
        ++count;
    return count;
}

} // namespace brisquel::test
