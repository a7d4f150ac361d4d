// Splits N generated 20-minute MP3 inputs into 30-second MP3 pieces through the batch driver,
// once by stream copy and once re-encoded, and prints both times and their ratio. Beside
// them: the same probe and copy lines started directly, the floor of a copy split (the probe
// run alone), and, when it is installed, Debian's mp3splt cutting the same inputs without
// re-encoding.
// Usage: copy_split_bench [N] (default 2)
#include "engine/batch_driver.h"
#include "engine/command_lines.h"
#include "fake_batch_host.h"
#include "run_direct.h"
#include "test_support.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <unistd.h>

namespace {

using namespace brisquel;
using bench::runDirect;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double since(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The whole queue through the driver; the output folder is emptied first, so every run
// writes the same pieces.
double viaDriver(BatchDriver& driver, test::FakeBatchHost& host, const std::vector<std::string>& inputs, bool copy)
{
    fs::remove_all(host.folder);
    fs::create_directories(host.folder);
    host.copy = copy;
    host.queue = inputs;
    const auto start = Clock::now();
    driver.StartConversion();
    driver.onStartTimerTick();
    const double elapsed = since(start);
    if (host.caption != "Done.")
        std::fprintf(stderr, "driver ended with \"%s\"\n", host.caption.c_str());
    return elapsed;
}

double probesAlone(const std::string& program, const std::vector<std::string>& inputs)
{
    const auto start = Clock::now();
    // The probe names no output, so the converter ends with a complaint: its exit code says nothing.
    for (const std::string& input : inputs)
        bench::runDirectLine(ProbeCommandLine(program, input));
    return since(start);
}

// The probe and copy lines the driver runs, started directly one after another: what the
// converter itself takes, without the runner's polling.
double directCopies(const std::string& program, const std::vector<std::string>& inputs, const std::string& folder)
{
    std::vector<std::string> lines;
    for (const std::string& input : inputs) {
        ConversionSettings settings;
        settings.programFolder = program;
        settings.input = input;
        settings.outputFolder = OutputFolder(folder);
        settings.splitSeconds = 30;
        lines.push_back(ProbeCommandLine(program, input));
        lines.push_back(StreamCopyCommandLine(settings, test::runConverter({"-i", input})).value_or(""));
    }
    fs::remove_all(folder);
    fs::create_directories(folder);
    const auto start = Clock::now();
    for (const std::string& line : lines)
        bench::runDirectLine(line);
    return since(start);
}

std::string mp3spltPath()
{
    for (const char* path : {"/usr/bin/mp3splt", "/usr/local/bin/mp3splt"}) {
        if (access(path, X_OK) == 0)
            return path;
    }
    return {};
}

double mp3splt(const std::string& path, const std::vector<std::string>& inputs, const std::string& folder)
{
    fs::remove_all(folder);
    fs::create_directories(folder);
    const auto start = Clock::now();
    for (const std::string& input : inputs) {
        if (!runDirect({path, "-q", "-t", "0.30", "-d", folder, input}))
            std::fprintf(stderr, "mp3splt failed on %s\n", input.c_str());
    }
    return since(start);
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2;
    test::TempDir dir;
    const std::string program = test::binFolder();
    std::vector<std::string> inputs;
    for (int i = 0; i < count; ++i) {
        const std::string path = dir / ("in" + std::to_string(i) + ".mp3");
        const std::string tone = "sine=frequency=" + std::to_string(300 + 50 * i) + ":duration=1200";
        if (!runDirect({ConverterCommand(program), "-f", "lavfi", "-i", tone, "-y", path})) {
            std::fprintf(stderr, "cannot make %s\n", path.c_str());
            return 1;
        }
        inputs.push_back(path);
    }

    test::FakeBatchHost host;
    host.program = program;
    host.scratch = dir / "scratch";
    host.folder = dir / "out";
    test::SleepPump pump;
    BatchDriver driver(host, pump, [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });

    // Copy, re-encode, re-encode, copy: a load that drifts during the run weighs on both alike.
    double copy = viaDriver(driver, host, inputs, true);
    double encode = viaDriver(driver, host, inputs, false);
    encode += viaDriver(driver, host, inputs, false);
    copy += viaDriver(driver, host, inputs, true);
    copy /= 2;
    encode /= 2;
    const double floor = probesAlone(program, inputs);
    const double direct = directCopies(program, inputs, dir / "direct");

    std::printf("%u cores, %d generated 20-minute MP3 inputs cut into 30-second MP3 pieces\n",
                std::thread::hardware_concurrency(), count);
    std::printf("  re-encoded through the driver   %8.2f s\n", encode);
    std::printf("  stream copy through the driver  %8.2f s   ratio copy / re-encoded %.3f\n", copy, copy / encode);
    std::printf("  probe and copy lines, direct    %8.2f s   ratio direct / re-encoded %.3f\n", direct, direct / encode);
    std::printf("  probe runs alone (the floor)    %8.2f s   ratio floor / re-encoded %.3f\n", floor, floor / encode);
    if (const std::string path = mp3spltPath(); !path.empty()) {
        const double anchor = mp3splt(path, inputs, dir / "mp3splt");
        std::printf("  mp3splt -t 0.30                 %8.2f s   ratio mp3splt / re-encoded %.3f\n", anchor,
                    anchor / encode);
    } else {
        std::printf("  mp3splt is not installed: no anchor\n");
    }
    return 0;
}
