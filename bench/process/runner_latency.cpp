// How long the runner takes to notice that its child has ended: the time from the child's
// exit to the return of ExecuteCommand, against a direct posix_spawn and waitpid of the
// same command. The child is this program itself, started through a link named conv.exe:
// it writes the monotonic clock to a file right before it exits.
//
// Usage: runner_latency [runs]
#include "process/command_line.h"
#include "process/dos_outputs.h"
#include "process/event_pump.h"
#include "process/process_list.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

int runAsChild(const char* stampPath)
{
    const std::string stamp = std::to_string(monotonicNs());
    const int fd = open(stampPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return 1;
    const bool written = write(fd, stamp.data(), stamp.size()) == static_cast<ssize_t>(stamp.size());
    close(fd);
    _exit(written ? 0 : 1);
}

long long readStamp(const std::string& path)
{
    std::ifstream in(path);
    long long ns = 0;
    in >> ns;
    return ns;
}

// The window's pump without a window: nothing is pending, a wait sleeps.
class SleepingPump : public brisquel::EventPump
{
public:
    void ProcessPending() override {}
    void Wait(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

struct Summary
{
    double medianMs;
    double meanMs;
    double maxMs;
};

Summary summarize(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    const double mean = std::accumulate(ms.begin(), ms.end(), 0.0) / static_cast<double>(ms.size());
    const std::size_t mid = ms.size() / 2;
    const double median = ms.size() % 2 ? ms[mid] : (ms[mid - 1] + ms[mid]) / 2;
    return {median, mean, ms.back()};
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--child")
        return runAsChild(argv[2]);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;

    std::string folder = (fs::temp_directory_path() / "brisquel-bench-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string link = folder + "/conv.exe";
    const std::string stamp = folder + "/exit-stamp";
    fs::create_symlink(fs::read_symlink("/proc/self/exe"), link);

    if (brisquel::IsProcessRunning("conv.exe"))
        std::printf("warning: another conv.exe is running; the runner waits for it as well\n");

    brisquel::WatchedImageName = "conv.exe";
    SleepingPump pump;
    brisquel::DOSOutputs runner(pump, [](const std::string& text) { std::fprintf(stderr, "runner: %s\n", text.c_str()); });
    const std::string commandLine = brisquel::QuoteArgument(link) + " --child " + brisquel::QuoteArgument(stamp);

    std::vector<double> viaRunner;
    std::vector<double> direct;
    for (int i = 0; i < runs; ++i) {
        fs::remove(stamp);
        runner.ExecuteCommand(commandLine);
        const long long returned = monotonicNs();
        const long long exited = readStamp(stamp);
        if (exited == 0 || runner.ExitCode() != 0) {
            std::fprintf(stderr, "run %d: the child did not report its exit\n", i);
            return 1;
        }
        viaRunner.push_back(static_cast<double>(returned - exited) / 1e6);

        fs::remove(stamp);
        const std::vector<std::string> words = brisquel::SplitCommandLine(commandLine);
        std::vector<char*> args;
        for (const std::string& word : words)
            args.push_back(const_cast<char*>(word.c_str()));
        args.push_back(nullptr);
        pid_t child = -1;
        if (posix_spawn(&child, args[0], nullptr, nullptr, args.data(), environ) != 0) {
            std::perror("posix_spawn");
            return 1;
        }
        int status = 0;
        while (waitpid(child, &status, 0) < 0) {
        }
        const long long reaped = monotonicNs();
        direct.push_back(static_cast<double>(reaped - readStamp(stamp)) / 1e6);
    }

    const auto scanStart = std::chrono::steady_clock::now();
    constexpr int scans = 50;
    for (int i = 0; i < scans; ++i)
        brisquel::IsProcessRunning("conv.exe");
    const double scanMs =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - scanStart).count() / scans;

    fs::remove_all(folder);

    const Summary r = summarize(viaRunner);
    const Summary d = summarize(direct);
    std::printf("child exit -> return, %d runs each (ms)\n", runs);
    std::printf("  %-28s median %8.3f  mean %8.3f  max %8.3f\n", "DOSOutputs::ExecuteCommand", r.medianMs, r.meanMs, r.maxMs);
    std::printf("  %-28s median %8.3f  mean %8.3f  max %8.3f\n", "posix_spawn + waitpid", d.medianMs, d.meanMs, d.maxMs);
    std::printf("  one process-list scan: %.3f ms\n", scanMs);
    std::printf("ratio (median, runner / direct): %.1f\n", d.medianMs > 0 ? r.medianMs / d.medianMs : 0.0);
    return 0;
}
