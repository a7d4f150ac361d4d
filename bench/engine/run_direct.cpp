#include "run_direct.h"

#include "engine/command_lines.h"
#include "process/command_line.h"

#include <chrono>
#include <cstdio>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace brisquel::bench {

bool runDirect(const std::vector<std::string>& arguments)
{
    if (arguments.empty())
        return false;
    std::vector<std::string> args = arguments;
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = -1;
    const int started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return started == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool runDirectLine(const std::string& commandLine)
{
    return runDirect(SplitCommandLine(commandLine));
}

bool makeTone(const std::string& converter, const std::string& path, int frequency, int seconds)
{
    return runDirect({converter, "-f", "lavfi", "-i",
                      "sine=frequency=" + std::to_string(frequency) + ":duration=" + std::to_string(seconds), "-y",
                      path});
}

std::vector<std::string> conversionLines(const BenchSettings& bench, const std::vector<std::string>& inputs)
{
    std::vector<std::string> lines;
    for (const std::string& input : inputs) {
        ConversionSettings settings;
        settings.programFolder = bench.program;
        settings.input = input;
        settings.formatIndex = bench.format;
        settings.outputFolder = OutputFolder(bench.outputFolder);
        settings.bitrateText = bench.bitrate;
        settings.rateText = bench.rate;
        settings.channelIndex = bench.channel;
        settings.splitSeconds = 30;
        lines.push_back(ConversionCommandLine(settings));
    }
    return lines;
}

double timeDirectRuns(const std::vector<std::string>& commandLines)
{
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& line : commandLines) {
        if (!runDirectLine(line))
            std::fprintf(stderr, "direct run failed: %s\n", line.c_str());
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace brisquel::bench
