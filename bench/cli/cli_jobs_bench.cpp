// Converts N generated inputs with brisquel-cli, one file at a time (--jobs 1) and two at
// once (--jobs 2), alternating so that both see the same load, and prints the best time of
// each and their ratio.
// Usage: cli_jobs_bench [N] [seconds of each input] [rounds] (default 4 300 2)
#include "run_direct.h"
#include "test_support.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

using namespace brisquel;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double convert(const std::vector<std::string>& inputs, const std::string& output, int jobs)
{
    fs::remove_all(output);
    std::vector<std::string> arguments = {test::binFolder() + "/brisquel-cli", "-q", "-j", std::to_string(jobs),
                                          "-s", "30s", "-o", output};
    arguments.insert(arguments.end(), inputs.begin(), inputs.end());
    const auto start = Clock::now();
    if (!bench::runDirect(arguments))
        std::fprintf(stderr, "brisquel-cli --jobs %d failed\n", jobs);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 4;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 300;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 2;
    test::TempDir dir;
    std::vector<std::string> inputs;
    for (int i = 0; i < count; ++i) {
        inputs.push_back(dir / ("input" + std::to_string(i) + ".wav"));
        test::runConverter({"-f", "lavfi", "-i",
                            "sine=frequency=" + std::to_string(220 + 110 * i) + ":duration=" + std::to_string(seconds),
                            "-ac", "2", "-y", inputs.back()});
    }
    double one = std::numeric_limits<double>::max();
    double two = std::numeric_limits<double>::max();
    for (int round = 0; round < rounds; ++round) {
        one = std::min(one, convert(inputs, dir / "out", 1));
        two = std::min(two, convert(inputs, dir / "out", 2));
    }
    std::printf("%d files of %d s to MP3 in 30 s pieces, best of %d:\n", count, seconds, rounds);
    std::printf("  --jobs 1: %.2f s\n  --jobs 2: %.2f s\n  ratio (jobs 1 / jobs 2): %.2f\n", one, two, one / two);
    return 0;
}
