// How far the time left on the status line is from the truth. Eight similar generated
// files go through the batch driver and the real converter, as the window runs a batch; the
// status texts the window would show are kept with the moment they came. Once the batch has
// ended, its true remaining time at each moment is known: the baseline, from the same run.
// Printed: the estimate's error at 20, 50 and 80 % of the batch's wall time, and the worst
// error from 20 to 80 %.
// Usage: estimate_bench [seconds of each input] (default 300)
#include "engine/batch_driver.h"
#include "fake_batch_host.h"
#include "run_direct.h"
#include "test_support.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace brisquel;
using Clock = std::chrono::steady_clock;

// "File 3 of 8 · 1:42 left · 6.3x": the seconds left, nothing while it says "estimating...".
std::optional<double> secondsLeft(const std::string& status)
{
    const std::size_t left = status.find(" left");
    if (left == std::string::npos)
        return std::nullopt;
    const std::size_t begin = status.rfind(' ', left - 1) + 1;
    double seconds = 0;
    for (std::size_t at = begin; at < left;) {
        const std::size_t colon = std::min(status.find(':', at), left);
        seconds = seconds * 60 + std::atoi(status.substr(at, colon - at).c_str());
        at = colon + 1;
    }
    return seconds;
}

int fileNumber(const std::string& status)
{
    return std::atoi(status.c_str() + status.find(' ') + 1);
}

struct Sample
{
    Clock::time_point at;
    std::string status;
};

class RecordingHost : public test::FakeBatchHost
{
public:
    std::vector<Sample> samples;

    void showBatchProgress(const std::string& status, std::optional<double> fractionDone) override
    {
        samples.push_back({Clock::now(), status});
        FakeBatchHost::showBatchProgress(status, fractionDone);
    }
};

double seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int length = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
    constexpr int FileCount = 8;
    test::TempDir dir;

    // Similar, not equal: lengths within ±10 % and a different tone each.
    std::vector<std::string> inputs;
    for (int i = 0; i < FileCount; ++i) {
        const int duration = length * (90 + (i * 7) % 21) / 100;
        const std::string path = dir / ("in" + std::to_string(i) + ".mp3");
        if (!bench::makeTone(test::binFolder() + "/data/conv.exe", path, 220 + 110 * i, duration)) {
            std::fprintf(stderr, "cannot make %s\n", path.c_str());
            return 1;
        }
        inputs.push_back(path);
    }

    RecordingHost host;
    host.program = test::binFolder();
    host.scratch = dir / "scratch";
    host.folder = dir / "out";
    host.queue = inputs;
    test::SleepPump pump;
    BatchDriver driver(host, pump, [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });

    const Clock::time_point begun = Clock::now();
    driver.StartConversion();
    driver.onStartTimerTick();
    const Clock::time_point ended = Clock::now();
    if (host.caption != "Done.") {
        std::fprintf(stderr, "the batch ended with \"%s\"\n", host.caption.c_str());
        return 1;
    }

    const double total = seconds(ended - begun);
    const auto share = [&](const Sample& s) { return seconds(s.at - begun) / total; };
    const auto error = [&](const Sample& s) {
        const double truth = seconds(ended - s.at);
        return (*secondsLeft(s.status) - truth) / truth;
    };
    std::printf("%d MP3 files of about %d s to MP3, batch %.1f s, %zu status updates\n", FileCount, length, total,
                host.samples.size());
    bool withinAim = true;
    for (const double target : {0.2, 0.5, 0.8}) {
        const auto sample = std::find_if(host.samples.begin(), host.samples.end(), [&](const Sample& s) {
            return share(s) >= target && secondsLeft(s.status);
        });
        if (sample == host.samples.end()) {
            std::printf("at %2.0f %%: no estimate\n", target * 100);
            withinAim = false;
            continue;
        }
        std::printf("at %2.0f %%: \"%s\", true time left %.1f s, error %+.1f %%\n", target * 100, sample->status.c_str(),
                    seconds(ended - sample->at), error(*sample) * 100);
    }
    // Each file's wall time, from the first status naming it: tells an uneven machine from a
    // poor estimate.
    std::printf("seconds per file:");
    for (std::size_t i = 0; i < host.samples.size(); ++i) {
        const auto next = std::find_if(host.samples.begin() + static_cast<std::ptrdiff_t>(i), host.samples.end(),
                                       [&](const Sample& s) { return fileNumber(s.status) != fileNumber(host.samples[i].status); });
        std::printf(" %.1f", seconds((next == host.samples.end() ? ended : next->at) - host.samples[i].at));
        i = static_cast<std::size_t>(next - host.samples.begin()) - 1;
    }
    std::printf("\n");
    double worst = 0;
    for (const Sample& s : host.samples) {
        if (share(s) >= 0.2 && share(s) <= 0.8 && secondsLeft(s.status) && std::abs(error(s)) > std::abs(worst))
            worst = error(s);
    }
    withinAim = withinAim && std::abs(worst) <= 0.25;
    std::printf("worst error from 20 to 80 %%: %+.1f %% (aim: within 25 %%: %s)\n", worst * 100, withinAim ? "met" : "missed");
    return 0;
}
