// A scripted stand-in for the converter, for runner and driver tests. Tests start it through
// a link named conv.exe, so it is watched like the real converter.
//
// Script mode (first argument "--script"), actions run in order:
//   out TEXT        write TEXT to stdout (escapes \n \r \t \\ are decoded)
//   err TEXT        the same on stderr
//   bytes N C       write N copies of the character C to stdout in one write
//   sleep MS        sleep MS milliseconds
//   touch PATH      create an empty file
//   exit N          exit with status N
//   ignore-term     ignore SIGTERM from here on
//
// Converter mode (anything else) acts like the converter on the command lines the program
// builds: "-i IN" alone is a probe; "-i IN OUT" a first pass that writes OUT; with
// "-segment_time S" and an output pattern holding %05d, a conversion writing segments.
// Environment, all optional:
//   FAKE_CONV_LOG       append one line per run: the arguments joined by " | "
//   FAKE_CONV_DURATION  the "Duration: " text (default 00:01:05.00); "none" prints none
//   FAKE_CONV_EXIT      exit status of a conversion (default 0)
//   FAKE_CONV_SLEEP_MS  pause before a conversion ends (default 0)
//   FAKE_CONV_ERROR     an error line printed, and no output written, by a conversion
//   FAKE_CONV_ERROR_EXIT  exit status of a conversion that prints FAKE_CONV_ERROR (default 1)
//   FAKE_CONV_FAIL_MATCH  FAKE_CONV_ERROR applies only to inputs whose path holds this text
//   FAKE_CONV_HANG_MATCH  a conversion of an input whose path holds this text writes its first
//                         segment, then prints nothing more and waits for ever, as a converter
//                         whose input stopped answering
//   FAKE_CONV_GATE_MATCH  a conversion of an input whose path holds this text writes its
//   FAKE_CONV_GATE_FILE   segments, then ends only once the gate file exists, so a test
//                         decides when each of several conversions at once ends
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string decode(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            const char c = text[++i];
            out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        } else {
            out += text[i];
        }
    }
    return out;
}

void writeAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

void sleepMs(long ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

const char* env(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value ? value : fallback;
}

int runScript(const std::vector<std::string>& args)
{
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& action = args[i];
        const auto next = [&]() -> std::string { return i + 1 < args.size() ? args[++i] : std::string(); };
        if (action == "out") {
            writeAll(1, decode(next()));
        } else if (action == "err") {
            writeAll(2, decode(next()));
        } else if (action == "bytes") {
            const long count = std::atol(next().c_str());
            const std::string c = next();
            writeAll(1, std::string(static_cast<std::size_t>(count), c.empty() ? 'x' : c[0]));
        } else if (action == "sleep") {
            sleepMs(std::atol(next().c_str()));
        } else if (action == "touch") {
            std::ofstream(next()).flush();
        } else if (action == "ignore-term") {
            std::signal(SIGTERM, SIG_IGN);
        } else if (action == "exit") {
            return std::atoi(next().c_str());
        }
    }
    return 0;
}

long secondsOf(const std::string& hms)
{
    int h = 0, m = 0;
    double s = 0;
    if (std::sscanf(hms.c_str(), "%d:%d:%lf", &h, &m, &s) != 3)
        return 0;
    return h * 3600L + m * 60L + static_cast<long>(s);
}

std::string clock(long seconds)
{
    char text[64];
    std::snprintf(text, sizeof text, "%02ld:%02ld:%02ld.00", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

int runConverter(const std::vector<std::string>& args)
{
    std::string input, output;
    long segment = 0;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-i" && i + 1 < args.size())
            input = args[++i];
        else if (args[i] == "-segment_time" && i + 1 < args.size())
            segment = std::atol(args[++i].c_str());
        else if (args[i] == "-f" || args[i] == "-threads" || args[i] == "-map_metadata" || args[i] == "-id3v2_version"
                 || args[i] == "-ab" || args[i] == "-ar" || args[i] == "-ac" || args[i] == "-acodec"
                 || args[i] == "-reset_timestamps" || args[i] == "-segment_format_options")
            ++i;
        else if (!args[i].empty() && args[i][0] != '-')
            output = args[i];
    }

    const char* hang = std::getenv("FAKE_CONV_HANG_MATCH");
    const bool hangs = hang && input.find(hang) != std::string::npos;
    const std::string duration = env("FAKE_CONV_DURATION", "00:01:05.00");
    writeAll(2, "Input #0, mp3, from '" + input + "':\n");
    if (duration != "none")
        writeAll(2, "  Duration: " + duration + ", start: 0.000000, bitrate: 128 kb/s\n");
    if (output.empty()) {
        writeAll(2, "At least one output file must be specified\n");
        return 1;
    }
    const char* error = std::getenv("FAKE_CONV_ERROR");
    const char* failMatch = std::getenv("FAKE_CONV_FAIL_MATCH");
    if (error && (!failMatch || input.find(failMatch) != std::string::npos)) {
        writeAll(2, std::string(error) + "\nConversion failed!\n");
        return std::atoi(env("FAKE_CONV_ERROR_EXIT", "1"));
    }
    const long total = secondsOf(duration);
    if (output.find("%05d") == std::string::npos) {
        std::ofstream(output).flush();
    } else {
        const long step = segment > 0 ? segment : total + 1;
        for (long start = 0, n = 0; start < total || n == 0; start += step, ++n) {
            char number[32];
            std::snprintf(number, sizeof number, "%05ld", n);
            std::string name = output;
            name.replace(name.find("%05d"), 4, number);
            std::ofstream(name).flush();
            writeAll(2, "size=     100kB time=" + clock(std::min(start + step, total)) + " bitrate= 128.0kbits/s speed=50x\r");
            while (hangs)
                pause();
        }
    }
    const char* gate = std::getenv("FAKE_CONV_GATE_MATCH");
    if (gate && input.find(gate) != std::string::npos) {
        while (access(env("FAKE_CONV_GATE_FILE", "/nonexistent"), F_OK) != 0)
            sleepMs(10);
    }
    sleepMs(std::atol(env("FAKE_CONV_SLEEP_MS", "0")));
    return std::atoi(env("FAKE_CONV_EXIT", "0"));
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv, argv + argc);
    if (const char* log = std::getenv("FAKE_CONV_LOG")) {
        std::string line;
        for (std::size_t i = 1; i < args.size(); ++i)
            line += (i > 1 ? " | " : "") + args[i];
        std::ofstream(log, std::ios::app) << line << '\n';
    }
    if (args.size() > 1 && args[1] == "--script")
        return runScript(args);
    return runConverter(args);
}
