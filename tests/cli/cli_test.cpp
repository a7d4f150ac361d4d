// brisquel-cli as a user runs it: the real executable on generated inputs with the real
// converter, its outputs, messages and statuses checked from outside.
#include "engine/batch_driver.h"
#include "engine/fake_batch_host.h"
#include "process/process_list.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace brisquel {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::runConverter;
using test::TempDir;

// Generous: the machine is shared, and a test waits for a state, never for a time.
constexpr auto Deadline = std::chrono::seconds(120);

bool waitFor(const std::function<bool()>& state)
{
    const auto end = std::chrono::steady_clock::now() + Deadline;
    while (!state()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void makeTone(const std::string& path, int seconds, const std::vector<std::string>& encoding = {})
{
    std::vector<std::string> args = {"-f", "lavfi", "-i", "sine=frequency=440:duration=" + std::to_string(seconds)};
    args.insert(args.end(), encoding.begin(), encoding.end());
    args.insert(args.end(), {"-y", path});
    runConverter(args);
    ASSERT_TRUE(fs::exists(path)) << path;
}

// A started brisquel-cli, with its standard output and error in files of the test's folder
// and its own cache folder, so its run folder can be looked for.
class Cli
{
public:
    Cli(const TempDir& dir, const std::vector<std::string>& arguments, const std::string& workingFolder = {})
        : m_out(dir / "stdout"), m_err(dir / "stderr"), m_cache(dir / "cache")
    {
        std::vector<std::string> args = {test::binFolder() + "/brisquel-cli"};
        args.insert(args.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::vector<std::string> environment = {"XDG_CACHE_HOME=" + m_cache};
        for (char** entry = environ; *entry; ++entry) {
            if (std::strncmp(*entry, "XDG_CACHE_HOME=", 15) != 0)
                environment.emplace_back(*entry);
        }
        std::vector<char*> envp;
        for (std::string& entry : environment)
            envp.push_back(entry.data());
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, m_out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, m_err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (!workingFolder.empty())
            posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
        if (posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Cli()
    {
        if (m_pid > 0 && m_status == -1) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }

    pid_t pid() const { return m_pid; }
    std::string converterName() const { return "bqconv-" + std::to_string(m_pid); }
    // The exit status; -1 when it did not end in time or ended by a signal.
    int wait()
    {
        if (m_status != -1 || m_pid <= 0)
            return m_status;
        int status = 0;
        const bool ended = waitFor([&] { return waitpid(m_pid, &status, WNOHANG) == m_pid; });
        if (ended)
            m_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return m_status;
    }
    std::string out() const { return readFile(m_out); }
    std::string err() const { return readFile(m_err); }
    // The run folders left in the cache folder.
    int runFoldersLeft() const
    {
        int count = 0;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(m_cache + "/brisquel", ec))
            count += entry.path().filename().string().starts_with("cli-") ? 1 : 0;
        return count;
    }

private:
    std::string m_out, m_err, m_cache;
    pid_t m_pid = -1;
    int m_status = -1;
};

std::vector<std::string> filesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// ---- each option's effect on the outputs -------------------------------------------------

struct OptionCase
{
    const char* name;
    std::vector<std::string> options;
    std::vector<std::string> pieces;  // expected in the output folder
    std::vector<std::string> stream;  // parts of the first piece's stream description
    std::string reportLine = {};      // expected in the report, when one is asked for
};

void PrintTo(const OptionCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliOptionEffect : public testing::TestWithParam<OptionCase>
{
};

// A 7-second tone in MP3 at 96 kbit/s: a copy split keeps that bitrate, a conversion does not.
TEST_P(CliOptionEffect, ShapesTheOutput)
{
    const OptionCase& c = GetParam();
    TempDir dir;
    makeTone(dir / "tone.mp3", 7, {"-b:a", "96k"});
    fs::create_directory(dir / "work");
    std::vector<std::string> args = c.options;
    args.push_back(dir / "tone.mp3");
    const bool ownFolder = std::find(args.begin(), args.end(), "-o") != args.end();
    if (ownFolder)
        std::replace(args.begin(), args.end(), std::string("OUT"), dir / "out");
    std::replace(args.begin(), args.end(), std::string("REPORT"), dir / "report.txt");
    Cli cli(dir, args, dir / "work");
    ASSERT_EQ(cli.wait(), 0) << cli.err();
    const std::string folder = ownFolder ? dir / "out" : dir / "work";
    EXPECT_EQ(filesIn(folder), c.pieces);
    const std::string described = runConverter({"-hide_banner", "-i", folder + "/" + c.pieces.front()});
    for (const std::string& part : c.stream)
        EXPECT_NE(described.find(part), std::string::npos) << part << " in\n" << described;
    if (!c.reportLine.empty()) {
        const std::string report = readFile(dir / "report.txt");
        EXPECT_NE(report.find(c.reportLine), std::string::npos) << report;
    }
    EXPECT_EQ(cli.runFoldersLeft(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliOptionEffect,
    testing::Values(
        OptionCase{"defaults_mp3_128k_44100_stereo_30s_into_the_current_folder", {},
                   {"tone00000.mp3"}, {"Audio: mp3", "44100 Hz", "stereo", "128 kb/s"}},
        OptionCase{"format_and_split", {"-f", "ogg", "-s", "3s", "-o", "OUT"},
                   {"tone00000.ogg", "tone00001.ogg", "tone00002.ogg"}, {"Audio: vorbis"}},
        OptionCase{"rate_and_channels", {"-r", "22050", "--channels", "mono", "-s", "0", "-o", "OUT"},
                   {"tone00000.mp3"}, {"Audio: mp3", "22050 Hz", "mono"}},
        OptionCase{"bitrate_and_split_in_minutes", {"-b", "64", "--split", "1m", "-o", "OUT"},
                   {"tone00000.mp3"}, {"Audio: mp3", "64 kb/s"}},
        OptionCase{"copy_keeps_the_stream", {"--copy", "-s", "3s", "-o", "OUT"},
                   {"tone00000.mp3", "tone00001.mp3", "tone00002.mp3"}, {"Audio: mp3", "96 kb/s"}},
        OptionCase{"flac_pieces", {"-f", "flac", "-s", "3", "-o", "OUT"},
                   {"tone00000.flac", "tone00001.flac", "tone00002.flac"}, {"Audio: flac"}},
        OptionCase{"report", {"--report", "REPORT", "-s", "5s", "-o", "OUT"},
                   {"tone00000.mp3", "tone00001.mp3"}, {"Audio: mp3"},
                   "converted   tone.mp3 -> 2 segments: tone00000.mp3, tone00001.mp3"}),
    [](const testing::TestParamInfo<OptionCase>& info) { return std::string(info.param.name); });

// ---- bad options and values ---------------------------------------------------------------

struct UsageCase
{
    const char* name;
    std::vector<std::string> arguments;
    std::vector<std::string> message; // parts of the message on standard error
};

void PrintTo(const UsageCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliUsage : public testing::TestWithParam<UsageCase>
{
};

TEST_P(CliUsage, NamesTheOptionAndItsValuesWithStatus2)
{
    const UsageCase& c = GetParam();
    TempDir dir;
    Cli cli(dir, c.arguments, dir.path());
    EXPECT_EQ(cli.wait(), 2);
    for (const std::string& part : c.message)
        EXPECT_NE(cli.err().find(part), std::string::npos) << part << " in\n" << cli.err();
    EXPECT_EQ(cli.out(), "");
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string>{"stderr", "stdout"}));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliUsage,
    testing::Values(
        UsageCase{"unknown_format", {"-f", "mp4", "a.wav"}, {"'mp4'", "-f", "mp3, wma, ogg, wav, flac, ac3, aac, amr, mpg"}},
        UsageCase{"bitrate_not_in_the_list", {"--bitrate=100", "a.wav"}, {"'100'", "--bitrate", "32, 48", "320"}},
        UsageCase{"rate_not_in_the_list", {"-r", "44000", "a.wav"}, {"'44000'", "-r", "44100", "8000"}},
        UsageCase{"channels", {"-c", "quad", "a.wav"}, {"'quad'", "-c", "mono or stereo"}},
        UsageCase{"split_unit", {"-s", "5x", "a.wav"}, {"'5x'", "-s", "30s, 2m, 1h"}},
        UsageCase{"split_beyond_the_longest", {"-s", "600000h", "a.wav"}, {"'600000h'", "-s"}},
        UsageCase{"jobs_zero", {"-j0", "a.wav"}, {"'0'", "-j", "1 to 256"}},
        UsageCase{"missing_value", {"a.wav", "--output"}, {"'--output' needs a value"}},
        UsageCase{"unknown_option", {"--speed", "a.wav"}, {"unknown option '--speed'"}},
        UsageCase{"value_on_a_switch", {"--quiet=yes", "a.wav"}, {"'--quiet' takes no value"}},
        UsageCase{"nothing_to_convert", {"-q"}, {"no file or folder"}}),
    [](const testing::TestParamInfo<UsageCase>& info) { return std::string(info.param.name); });

TEST(Cli, HelpAndVersionGoToStandardOutput)
{
    TempDir dir;
    Cli help(dir, {"--help"});
    EXPECT_EQ(help.wait(), 0);
    EXPECT_NE(help.out().find("Usage: brisquel-cli [OPTIONS] FILE|FOLDER..."), std::string::npos) << help.out();
    Cli version(dir, {"--version"});
    EXPECT_EQ(version.wait(), 0);
    EXPECT_TRUE(version.out().starts_with("brisquel-cli ")) << version.out();
}

// ---- inputs --------------------------------------------------------------------------------

// Files in the order given, then a folder's tree as Add Folder takes it: no pipe, and a link
// to a folder not entered. Not a terminal: one plain line per file event.
TEST(Cli, TakesFilesInOrderAndSearchesFolders)
{
    TempDir dir;
    fs::create_directories(dir / "in/sub");
    makeTone(dir / "first.wav", 2);
    makeTone(dir / "in/sub/deep.wav", 2);
    ASSERT_EQ(mkfifo((dir / "in/pipe.wav").c_str(), 0600), 0);
    fs::create_directory_symlink(dir / "in/sub", dir / "in/loop");
    Cli cli(dir, {"-j", "1", "-o", dir / "out", dir / "first.wav", dir / "in"});
    ASSERT_EQ(cli.wait(), 0) << cli.err();
    EXPECT_EQ(filesIn(dir / "out"), (std::vector<std::string>{"deep00000.mp3", "first00000.mp3"}));
    const std::string expected = "started  [1/2] " + (dir / "first.wav") + "\n"
                               + "done     [1/2] " + (dir / "first.wav") + " -> 1 piece\n"
                               + "started  [2/2] " + (dir / "in/sub/deep.wav") + "\n"
                               + "done     [2/2] " + (dir / "in/sub/deep.wav") + " -> 1 piece\n";
    EXPECT_TRUE(cli.out().starts_with(expected)) << cli.out();
    EXPECT_NE(cli.out().find("2 converted in "), std::string::npos) << cli.out();
}

// ---- --json --------------------------------------------------------------------------------

// The flat objects brisquel-cli writes: strings, numbers, true, false, null, lists of
// strings. Anything else fails the parse.
using JsonObject = std::map<std::string, std::string>;

std::optional<JsonObject> parseJsonLine(const std::string& line)
{
    std::size_t at = 0;
    auto skip = [&] {
        while (at < line.size() && line[at] == ' ')
            ++at;
    };
    auto string = [&]() -> std::optional<std::string> {
        if (at >= line.size() || line[at] != '"')
            return std::nullopt;
        std::string text;
        for (++at; at < line.size() && line[at] != '"'; ++at) {
            if (line[at] == '\\' && ++at < line.size()) {
                if (line[at] == 'u') {
                    text += "\\u" + line.substr(at + 1, 4);
                    at += 4;
                } else {
                    text += line[at];
                }
            } else {
                if (static_cast<unsigned char>(line[at]) < 0x20)
                    return std::nullopt;
                text += line[at];
            }
        }
        if (at >= line.size())
            return std::nullopt;
        ++at;
        return text;
    };
    JsonObject object;
    if (line.empty() || line[0] != '{')
        return std::nullopt;
    ++at;
    for (;;) {
        skip();
        const auto key = string();
        if (!key || at >= line.size() || line[at++] != ':')
            return std::nullopt;
        std::string value;
        if (line[at] == '"') {
            const auto text = string();
            if (!text)
                return std::nullopt;
            value = *text;
        } else if (line[at] == '[') {
            for (++at; at < line.size() && line[at] != ']';) {
                const auto item = string();
                if (!item)
                    return std::nullopt;
                value += (value.empty() ? "" : "|") + *item;
                if (at < line.size() && line[at] == ',')
                    ++at;
            }
            if (at++ >= line.size())
                return std::nullopt;
        } else {
            const std::size_t end = line.find_first_of(",}", at);
            if (end == std::string::npos)
                return std::nullopt;
            value = line.substr(at, end - at);
            const bool number = !value.empty() && value.find_first_not_of("0123456789.-") == std::string::npos;
            if (!number && value != "true" && value != "false" && value != "null")
                return std::nullopt;
            at = end;
        }
        object[*key] = value;
        if (at < line.size() && line[at] == ',') {
            ++at;
            continue;
        }
        if (at + 1 == line.size() && line[at] == '}')
            return object;
        return std::nullopt;
    }
}

// A converted file, one the converter refuses and one that is not there: each has its events
// in order, the refusal's reason is the one the report gives, on standard error too.
TEST(Cli, JsonEventsInOrderAndAFailedFile)
{
    TempDir dir;
    makeTone(dir / "good.wav", 5);
    ASSERT_TRUE(test::writeFile(dir / "bad.wav", std::string(4096, 'x')));
    Cli cli(dir, {"--json", "-j", "1", "-s", "2s", "-o", dir / "out", "--report", dir / "report.txt", dir / "good.wav",
                  dir / "bad.wav", dir / "gone.wav"});
    ASSERT_EQ(cli.wait(), 1) << cli.err();

    std::vector<JsonObject> events;
    std::istringstream lines(cli.out());
    std::string running;
    for (std::string line; std::getline(lines, line);) {
        const auto object = parseJsonLine(line);
        ASSERT_TRUE(object) << "not a JSON object: " << line;
        if (object->at("event") == "started")
            running = object->at("file");
        if (object->at("event") == "progress")
            EXPECT_EQ(object->at("file"), running) << "progress of a file not running";
        else
            events.push_back(*object);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"started", dir / "good.wav"}, {"done", dir / "good.wav"},   {"started", dir / "bad.wav"},
        {"failed", dir / "bad.wav"},   {"started", dir / "gone.wav"}, {"failed", dir / "gone.wav"},
        {"batch_done", ""}};
    ASSERT_EQ(events.size(), expected.size()) << cli.out();
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(events[i].at("event"), expected[i].first) << i;
        if (!expected[i].second.empty()) {
            EXPECT_EQ(events[i].at("file"), expected[i].second) << i;
            EXPECT_EQ(events[i].at("count"), "3");
        }
    }
    EXPECT_EQ(events[1].at("pieces"), "good00000.mp3|good00001.mp3|good00002.mp3");
    EXPECT_EQ(events[6].at("converted"), "1");
    EXPECT_EQ(events[6].at("failed"), "2");
    EXPECT_EQ(events[6].at("exit_status"), "1");

    const std::string reason = events[3].at("reason");
    EXPECT_FALSE(reason.empty());
    EXPECT_NE(readFile(dir / "report.txt").find("failed      bad.wav: " + reason), std::string::npos)
        << readFile(dir / "report.txt");
    EXPECT_NE(cli.err().find("brisquel-cli: " + (dir / "bad.wav") + ": " + reason + "\n"), std::string::npos)
        << cli.err();
    EXPECT_NE(cli.err().find(dir / "gone.wav" + ": no such file or directory"), std::string::npos) << cli.err();
    EXPECT_EQ(filesIn(dir / "out"), (std::vector<std::string>{"good00000.mp3", "good00001.mp3", "good00002.mp3"}));
}

TEST(Cli, JobsTwoConvertsFourFiles)
{
    TempDir dir;
    std::vector<std::string> args = {"-j", "2", "-q", "-s", "2s", "-o", dir / "out"};
    for (const char* name : {"a", "b", "c", "d"}) {
        makeTone(dir / (std::string(name) + ".wav"), 3);
        args.push_back(dir / (std::string(name) + ".wav"));
    }
    Cli cli(dir, args);
    ASSERT_EQ(cli.wait(), 0) << cli.err();
    EXPECT_EQ(cli.out(), "");
    EXPECT_EQ(filesIn(dir / "out"),
              (std::vector<std::string>{"a00000.mp3", "a00001.mp3", "b00000.mp3", "b00001.mp3", "c00000.mp3",
                                        "c00001.mp3", "d00000.mp3", "d00001.mp3"}));
}

// ---- Ctrl-C --------------------------------------------------------------------------------

struct InterruptCase
{
    const char* name;
    int interrupts;
};

void PrintTo(const InterruptCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliInterrupt : public testing::TestWithParam<InterruptCase>
{
};

// A short file is converted, then the long one is interrupted once pieces of it are written:
// the first Ctrl-C stops as STOP does, a second one ends at once. Either way no converter of
// the run is left, nothing of the long file stays, and the run's folder is gone.
TEST_P(CliInterrupt, LeavesNoConverterAndNoPartialPieces)
{
    TempDir dir;
    makeTone(dir / "short.wav", 2);
    runConverter({"-f", "lavfi", "-i", "sine=frequency=440:duration=900:sample_rate=8000", "-ac", "1", "-b:a", "8k",
                  "-y", dir / "long.mp3"});
    ASSERT_TRUE(fs::exists(dir / "long.mp3"));
    Cli cli(dir, {"-j", "1", "-s", "10s", "-o", dir / "out", "--report", dir / "report.txt", dir / "short.wav",
                  dir / "long.mp3"});
    ASSERT_TRUE(waitFor([&] { return fs::exists(dir / "out/long00001.mp3"); })) << cli.err();
    for (int i = 0; i < GetParam().interrupts; ++i)
        kill(cli.pid(), SIGINT);
    EXPECT_EQ(cli.wait(), 130) << cli.err();
    EXPECT_FALSE(IsProcessRunning(cli.converterName()));
    EXPECT_EQ(filesIn(dir / "out"), std::vector<std::string>{"short00000.mp3"});
    EXPECT_EQ(cli.runFoldersLeft(), 0);
    if (GetParam().interrupts == 1) {
        EXPECT_NE(cli.out().find("stopped  [2/2] " + (dir / "long.mp3")), std::string::npos) << cli.out();
        EXPECT_NE(readFile(dir / "report.txt").find("stopped     long.mp3"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, CliInterrupt,
                         testing::Values(InterruptCase{"once_stops", 1}, InterruptCase{"twice_ends_at_once", 2}),
                         [](const testing::TestParamInfo<InterruptCase>& info) { return std::string(info.param.name); });

// ---- beside the window ---------------------------------------------------------------------

// The window's batch ends every conv.exe of the user before each file, and a run lasts while
// a process of its converter's name lives. Neither may touch the other: a window converter
// outlives a whole CLI run, and a window batch that runs during a CLI conversion leaves it be.
TEST(Cli, RunsBesideTheWindowWithoutEndingEachOthersConverters)
{
    TempDir dir;
    makeTone(dir / "tone.wav", 3);
    runConverter({"-f", "lavfi", "-i", "sine=frequency=440:duration=590:sample_rate=8000", "-ac", "1", "-b:a", "8k",
                  "-y", dir / "long.mp3"});

    // The window's converter at work, as the process list shows it: named conv.exe.
    const std::string windowConverter = test::binFolder() + "/data/conv.exe";
    const std::string marker = dir / "window.null";
    std::vector<std::string> args = {windowConverter, "-re", "-f", "lavfi", "-i", "sine=duration=600", "-f", "null",
                                     marker};
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t window = -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int spawned = posix_spawn(&window, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ASSERT_EQ(spawned, 0);
    ASSERT_TRUE(waitFor([&] { return !test::converterProcessesOn(marker).empty(); }));
    {
        Cli cli(dir, {"-q", "-o", dir / "out1", dir / "tone.wav"});
        EXPECT_EQ(cli.wait(), 0) << cli.err();
        EXPECT_EQ(filesIn(dir / "out1"), std::vector<std::string>{"tone00000.mp3"});
    }
    EXPECT_EQ(waitpid(window, nullptr, WNOHANG), 0) << "the CLI ended the window's converter";
    kill(window, SIGKILL);
    waitpid(window, nullptr, 0);

    // A window batch (the driver with the window's defaults) while the CLI converts.
    Cli cli(dir, {"-q", "-s", "60s", "-o", dir / "out2", dir / "long.mp3"});
    ASSERT_TRUE(waitFor([&] { return fs::exists(dir / "out2/long00000.mp3"); })) << cli.err();
    ASSERT_TRUE(IsProcessRunning(cli.converterName()));
    test::FakeBatchHost host;
    host.queue = {dir / "tone.wav"};
    host.folder = dir / "out3";
    host.program = test::binFolder();
    host.scratch = dir / "scratch";
    test::SleepPump pump;
    BatchDriver driver(host, pump, {});
    driver.StartConversion();
    driver.onStartTimerTick();
    EXPECT_EQ(filesIn(dir / "out3"), std::vector<std::string>{"tone00000.mp3"});
    EXPECT_EQ(cli.wait(), 0) << cli.err();
    EXPECT_EQ(filesIn(dir / "out2").size(), 10u);
}

} // namespace
} // namespace brisquel
