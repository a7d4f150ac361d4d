// Converts N generated 3-minute inputs through the batch driver, and the same conversion
// command lines run directly one after another, and prints both times and their ratio. To
// FLAC the driver also encodes every piece afresh, so that row's ratio shows that cost.
// Usage: engine_bench [N] (default 3)
#include "engine/batch_driver.h"
#include "engine/command_lines.h"
#include "fake_batch_host.h"
#include "run_direct.h"
#include "process/command_line.h"
#include "test_support.h"

#include <chrono>
#include <filesystem>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace brisquel;

void measure(const char* title, const std::vector<std::string>& inputs, const std::string& outputFolder,
             const std::string& scratch, int format = 0)
{
    test::FakeBatchHost host;
    host.program = test::binFolder();
    host.scratch = scratch;
    host.folder = outputFolder;
    host.format = format;

    const std::vector<std::string> commands =
        bench::conversionLines({host.program, host.folder, format, host.bitrate, host.rate, host.channel}, inputs);
    std::filesystem::create_directories(host.folder);
    const auto timeDirect = [&] { return bench::timeDirectRuns(commands); };
    test::SleepPump pump;
    BatchDriver driver(host, pump, [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    const auto timeDriver = [&] { return bench::timeDriverBatch(driver, host, inputs); };
    // Direct, driver, driver, direct: a load that drifts during the run weighs on both alike.
    double direct = timeDirect();
    double viaDriver = timeDriver();
    viaDriver += timeDriver();
    direct += timeDirect();

    std::printf("%-12s %zu files (mean of 2): driver %.2f s, direct %.2f s, ratio driver / direct %.3f\n", title, inputs.size(),
                viaDriver / 2, direct / 2, viaDriver / direct);
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    test::TempDir dir;
    const std::string converter = test::binFolder() + "/data/conv.exe";
    std::vector<std::string> mp3, flac;
    for (int i = 0; i < count; ++i) {
        for (const char* ext : {".mp3", ".flac"}) {
            const std::string path = dir / ("in" + std::to_string(i) + ext);
            if (!bench::makeTone(converter, path, 300 + 50 * i, 180)) {
                std::fprintf(stderr, "cannot make %s\n", path.c_str());
                return 1;
            }
            (std::string(ext) == ".mp3" ? mp3 : flac).push_back(path);
        }
    }
    measure("MP3 to MP3", mp3, dir / "out-mp3", dir / "scratch");
    measure("FLAC to MP3", flac, dir / "out-flac", dir / "scratch");
    measure("MP3 to FLAC", mp3, dir / "out-to-flac", dir / "scratch", 4);
    return 0;
}
