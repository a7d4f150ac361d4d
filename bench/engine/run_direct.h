#pragma once

#include "engine/batch_driver.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace brisquel::bench {

// Starts the program of `arguments` (a path, or a name found on PATH) with its output thrown
// away, waits for it, and tells whether it exited with 0. Never through a shell.
bool runDirect(const std::vector<std::string>& arguments);

// The same for a command line, split as the runner splits it.
bool runDirectLine(const std::string& commandLine);

// Writes a generated tone of `seconds` to `path` through `converter`; false when it could not.
bool makeTone(const std::string& converter, const std::string& path, int frequency, int seconds);

// What the driver converts: its settings, the conversion command lines built from them.
struct BenchSettings
{
    std::string program;
    std::string outputFolder;
    int format = 0;
    std::string bitrate;
    std::string rate;
    int channel = 0;
};
std::vector<std::string> conversionLines(const BenchSettings& settings, const std::vector<std::string>& inputs);

// Runs the command lines one after another; the seconds they took.
double timeDirectRuns(const std::vector<std::string>& commandLines);

// Queues `inputs` on the host and converts them through the driver, as the start click and
// its timer tick do; the seconds the batch took.
template <typename Host>
double timeDriverBatch(BatchDriver& driver, Host& host, const std::vector<std::string>& inputs)
{
    host.queue = inputs;
    const auto start = std::chrono::steady_clock::now();
    driver.StartConversion();
    driver.onStartTimerTick();
    if (host.caption != "Done.")
        std::fprintf(stderr, "driver ended with \"%s\"\n", host.caption.c_str());
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace brisquel::bench
