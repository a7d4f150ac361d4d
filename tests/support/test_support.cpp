#include "test_support.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace brisquel::test {

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "brisquel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    // Tests make read-only files and folders; give the owner rights back before removing.
    for (auto it = fs::recursive_directory_iterator(m_path, fs::directory_options::skip_permission_denied, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_symlink())
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

std::string binFolder()
{
    return BRISQUEL_TEST_BIN_DIR;
}

std::string fakeConverterPath()
{
    return BRISQUEL_FAKE_CONV;
}

std::string makeFakeProgramFolder(const std::string& folder)
{
    fs::create_directories(folder + "/data");
    std::error_code ec;
    fs::remove(folder + "/data/conv.exe", ec);
    fs::create_symlink(fakeConverterPath(), folder + "/data/conv.exe");
    return folder;
}

std::string runConverter(const std::vector<std::string>& arguments)
{
    const std::string program = fs::canonical(binFolder() + "/data/conv.exe").string();
    std::vector<std::string> args = {program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 2);
    pid_t pid = -1;
    const int started = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    std::string outputs;
    char buffer[4096];
    for (ssize_t n; started == 0 && (n = read(ends[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            outputs.append(buffer, static_cast<std::size_t>(n));
        else if (errno != EINTR)
            break;
    }
    close(ends[0]);
    int status = 0;
    if (started == 0)
        waitpid(pid, &status, 0);
    return outputs;
}

std::vector<int> converterProcessesOn(const std::string& text)
{
    std::vector<int> found;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        if (readFile(entry.path() / "comm") == "conv.exe\n"
            && readFile(entry.path() / "cmdline").find(text) != std::string::npos)
            found.push_back(std::stoi(name));
    }
    return found;
}

bool writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

std::tm utcTime(std::time_t time)
{
    std::tm result{};
    gmtime_r(&time, &result);
    return result;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void SleepPump::ProcessPending()
{
    ++pendingCalls;
    if (onPending)
        onPending();
}

void SleepPump::Wait(int ms)
{
    ++waitCalls;
    if (onPending)
        onPending();
    std::this_thread::sleep_for(std::chrono::milliseconds(ms > 0 ? ms : 0));
}

void SleepPump::WaitOrReadable(int ms, int fd)
{
    ++waitCalls;
    if (onPending)
        onPending();
    pollfd watched{fd, POLLIN, 0};
    poll(&watched, 1, ms > 0 ? ms : 0);
}

} // namespace brisquel::test
