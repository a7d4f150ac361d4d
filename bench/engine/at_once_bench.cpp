// Converts four generated 3-minute MP3 inputs to MP3 through the batch driver with one and
// with two conversions at once, and the same conversion command lines run directly one after
// another, and prints the times and the ratios against the direct runs. When Debian's
// soundconverter is installed, it converts the same inputs two at a time as an anchor.
// The driver ends stray converters of this user: run it while no other converter of the
// user is at work.
// Usage: at_once_bench [N] (inputs, default 4)
#include "engine/batch_driver.h"
#include "engine/command_lines.h"
#include "fake_batch_host.h"
#include "run_direct.h"
#include "process/command_line.h"
#include "test_support.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace brisquel;
using bench::runDirect;
using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// The first program of that name on PATH; empty when there is none.
std::string onPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    for (std::size_t start = 0; start <= folders.size();) {
        std::size_t end = folders.find(':', start);
        if (end == std::string::npos)
            end = folders.size();
        const std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (end > start && access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 4;
    test::TempDir dir;
    const std::string converter = test::binFolder() + "/data/conv.exe";
    std::vector<std::string> inputs;
    for (int i = 0; i < count; ++i) {
        const std::string path = dir / ("in" + std::to_string(i) + ".mp3");
        if (!bench::makeTone(converter, path, 300 + 50 * i, 180)) {
            std::fprintf(stderr, "cannot make %s\n", path.c_str());
            return 1;
        }
        inputs.push_back(path);
    }

    test::FakeBatchHost host;
    host.program = test::binFolder();
    host.scratch = dir / "scratch";
    host.folder = dir / "out";
    std::filesystem::create_directories(host.folder);
    const std::vector<std::string> commands =
        bench::conversionLines({host.program, host.folder, 0, host.bitrate, host.rate, host.channel}, inputs);
    const auto timeDirect = [&] { return bench::timeDirectRuns(commands); };
    test::SleepPump pump;
    BatchDriver driver(host, pump, [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    const auto timeDriver = [&](int atOnce) {
        host.atOnce = atOnce;
        return bench::timeDriverBatch(driver, host, inputs);
    };

    const std::string anchor = onPath("soundconverter");
    const auto timeAnchor = [&] {
        std::vector<std::string> arguments{anchor, "-b", "-j", "2", "-m", "audio/mpeg", "-s", ".mp3", "-o",
                                           dir / "anchor"};
        arguments.insert(arguments.end(), inputs.begin(), inputs.end());
        const auto start = Clock::now();
        if (!runDirect(arguments))
            std::fprintf(stderr, "soundconverter failed\n");
        return seconds(Clock::now() - start);
    };

    // Each measured twice, in mirrored order, so that a load drifting during the run weighs
    // on all alike.
    double direct = timeDirect();
    double one = timeDriver(1);
    double two = timeDriver(2);
    double other = anchor.empty() ? 0 : timeAnchor();
    other += anchor.empty() ? 0 : timeAnchor();
    two += timeDriver(2);
    one += timeDriver(1);
    direct += timeDirect();

    std::printf("logical cores: %ld\n", sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("%d MP3 to MP3 files of 180 s, mean of 2 runs each:\n", count);
    std::printf("  direct, one after another   %6.2f s\n", direct / 2);
    std::printf("  driver, 1 at once           %6.2f s   ratio to direct %.3f\n", one / 2, one / direct);
    std::printf("  driver, 2 at once           %6.2f s   ratio to direct %.3f (aim <= 0.55)\n", two / 2, two / direct);
    if (anchor.empty())
        std::printf("  soundconverter -b -j 2      not installed, no anchor\n");
    else
        std::printf("  soundconverter -b -j 2      %6.2f s   ratio to direct %.3f\n", other / 2, other / direct);
    return 0;
}
