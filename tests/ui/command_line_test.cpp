// The command line: the arguments, and paths that a second copy of the real program hands to
// the running one. The running copy is this test's own window (so its queue can be read);
// the second copy is the built program, started as a user would start it.
#include "main_window_fixture.h"
#include "ui/brisquel_app.h"
#include "ui/program_arguments.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace brisquel::test {
namespace {

using Action = ProgramArguments::Action;

struct ParseCase
{
    const char* name;
    std::vector<std::string> arguments;
    Action action;
    std::vector<std::string> paths;
};

void PrintTo(const ParseCase& c, std::ostream* out)
{
    *out << c.name;
}

class ProgramArgumentsTest : public testing::TestWithParam<ParseCase>
{
};

TEST_P(ProgramArgumentsTest, ReadsTheCommandLine)
{
    const ProgramArguments parsed = parseProgramArguments(GetParam().arguments, "/home/ann/music");
    EXPECT_EQ(parsed.action, GetParam().action);
    EXPECT_EQ(parsed.paths, GetParam().paths);
    EXPECT_EQ(parsed.problem.empty(), GetParam().action != Action::Misuse);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProgramArgumentsTest, testing::Values(
    ParseCase{"Nothing", {}, Action::Run, {}},
    // Relative names are made absolute here: the running copy may stand in another folder.
    ParseCase{"PathsInOrder", {"b.mp3", "/x/a.wav", "sub/", "../up.ogg"}, Action::Run,
              {"/home/ann/music/b.mp3", "/x/a.wav", "/home/ann/music/sub/", "/home/ann/music/../up.ogg"}},
    ParseCase{"EmptyArgumentSkipped", {"", "a.mp3"}, Action::Run, {"/home/ann/music/a.mp3"}},
    ParseCase{"LoneDashIsAName", {"-"}, Action::Run, {"/home/ann/music/-"}},
    ParseCase{"DashesAfterTheEnd", {"--", "--help", "-x.mp3"}, Action::Run,
              {"/home/ann/music/--help", "/home/ann/music/-x.mp3"}},
    ParseCase{"Help", {"a.mp3", "--help"}, Action::Help, {}},
    ParseCase{"ShortHelp", {"-h"}, Action::Help, {}},
    ParseCase{"Version", {"--version", "--bogus"}, Action::Version, {}},
    ParseCase{"UnknownOption", {"a.mp3", "--bogus", "--help"}, Action::Misuse, {}},
    // Qt's own options are not taken: Qt's environment variables do their work.
    ParseCase{"QtOption", {"-platform", "offscreen"}, Action::Misuse, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The built program, started without a shell, with its folders under `home`.
class ProgramRun
{
public:
    ProgramRun(const std::string& home, const std::string& runtime)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(home));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(home + "/.config"));
        env.insert("XDG_CACHE_HOME", QString::fromStdString(home + "/.cache"));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QString::fromStdString(home));
        process.setProgram(QString::fromStdString(binFolder() + "/brisquel"));
    }

    void start(const QStringList& arguments)
    {
        process.setArguments(arguments);
        process.start();
    }

    // Waits, serving this process's own window meanwhile, until the program has ended.
    bool finished()
    {
        const QDeadlineTimer deadline(60000);
        while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(50);
        return process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit;
    }

    QProcess process;
};

struct OptionCase
{
    const char* name;
    const char* locale;
    const char* option;
    int exitCode;
    const char* stdoutStart;
    const char* stderrStart;
    const char* usage; // the usage's first line, in the locale's language
};

void PrintTo(const OptionCase& c, std::ostream* out)
{
    *out << c.name;
}

class ProgramOptionTest : public testing::TestWithParam<OptionCase>
{
};

// With no display at all and X11 asked for, a program that started Qt's window system
// would abort; these answers come before it.
TEST_P(ProgramOptionTest, AnswersWithoutADisplay)
{
    TempDir dir;
    ProgramRun run(dir.path(), dir.path());
    QProcessEnvironment env = run.process.processEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(name);
    env.insert("LANG", GetParam().locale);
    run.process.setProcessEnvironment(env);
    run.start({QString::fromLatin1(GetParam().option)});
    ASSERT_TRUE(run.finished());

    EXPECT_EQ(run.process.exitCode(), GetParam().exitCode);
    const std::string out = run.process.readAllStandardOutput().toStdString();
    const std::string err = run.process.readAllStandardError().toStdString();
    EXPECT_EQ(out.rfind(GetParam().stdoutStart, 0), 0u) << out;
    EXPECT_EQ(err.rfind(GetParam().stderrStart, 0), 0u) << err;
    if (GetParam().exitCode == 2) {
        EXPECT_EQ(out, "");
        EXPECT_NE(err.find(std::string("\n") + GetParam().usage + "\n"), std::string::npos) << err;
    } else {
        EXPECT_EQ(err, "");
    }
}

// The answers come in the user's language, as the window does, from the same catalogue.
INSTANTIATE_TEST_SUITE_P(Options, ProgramOptionTest, testing::Values(
    OptionCase{"Help", "C", "--help", 0, "Usage: brisquel [OPTION]... [FILE|FOLDER]...\n", "",
               "Usage: brisquel [OPTION]... [FILE|FOLDER]..."},
    OptionCase{"Version", "C", "--version", 0, "brisquel 1.0.0\n", "", ""},
    OptionCase{"Unknown", "C", "--frobnicate", 2, "", "brisquel: unknown option '--frobnicate'\n",
               "Usage: brisquel [OPTION]... [FILE|FOLDER]..."},
    OptionCase{"HelpInGerman", "de_DE.UTF-8", "--help", 0, "Aufruf: brisquel [OPTION]... [DATEI|ORDNER]...\n", "",
               ""},
    OptionCase{"VersionInFrench", "fr_FR.UTF-8", "--version", 0, "brisquel 1.0.0\n", "", ""},
    OptionCase{"UnknownInSpanish", "es_ES.UTF-8", "--frobnicate", 2, "",
               "brisquel: opción desconocida «--frobnicate»\n", "Uso: brisquel [OPCIÓN]... [ARCHIVO|CARPETA]..."}),
    [](const auto& info) { return std::string(info.param.name); });

class HandOffTest : public testing::Test, public MainWindowFixture
{
protected:
    HandOffTest()
    {
        ::mkdir(runtime.c_str(), 0700);
        for (const char* name : {"a.mp3", "album/cd1/track.flac", "late.wav", "sub/later.ogg"}) {
            std::filesystem::create_directories(std::filesystem::path(dir / name).parent_path());
            writeFile(dir / name, "");
        }
    }

    std::vector<std::string> queued(frmMain& window) const
    {
        std::vector<std::string> paths;
        for (const Row& row : rows(window))
            paths.push_back(row.path);
        return paths;
    }

    const std::string runtime = dir / "runtime";
};

TEST_F(HandOffTest, ASecondCopyHandsItsPathsToTheRunningOneInOrder)
{
    BrisquelApp first(context({}), QString::fromStdString(runtime + "/brisquel.lock"));
    first.onUnloaded = [](bool) {};
    // A folder is searched as Add Folder searches it, in the place it was named.
    ASSERT_TRUE(first.start({dir / "album", dir / "a.mp3"}));
    EXPECT_EQ(queued(*first.window()), (std::vector<std::string>{dir / "album/cd1/track.flac", dir / "a.mp3"}));

    // Named relative to the folder the second copy was started in.
    ProgramRun second(dir.path(), runtime);
    second.start({"late.wav", QString::fromStdString(dir / "sub")});
    ASSERT_TRUE(second.finished());
    EXPECT_EQ(second.process.exitCode(), 0) << second.process.readAllStandardError().toStdString();

    const QDeadlineTimer deadline(60000);
    while (first.window()->queueCount() < 4 && !deadline.hasExpired())
        QTest::qWait(50);
    EXPECT_EQ(queued(*first.window()), (std::vector<std::string>{dir / "album/cd1/track.flac", dir / "a.mp3",
                                                                 dir / "late.wav", dir / "sub/later.ogg"}));
    EXPECT_TRUE(first.window()->isVisible());
    first.window()->close();
}

TEST_F(HandOffTest, ASecondCopyWithoutPathsEndsSilently)
{
    BrisquelApp first(context({}), QString::fromStdString(runtime + "/brisquel.lock"));
    first.onUnloaded = [](bool) {};
    ASSERT_TRUE(first.start({dir / "a.mp3"}));

    ProgramRun second(dir.path(), runtime);
    second.start({});
    ASSERT_TRUE(second.finished());
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_EQ(second.process.readAllStandardOutput(), "");
    EXPECT_EQ(second.process.readAllStandardError(), "");
    // Nothing of the second copy's: it read and wrote nothing, and sent nothing.
    EXPECT_FALSE(std::filesystem::exists(dir / ".config"));
    EXPECT_FALSE(std::filesystem::exists(dir / ".cache"));
    QTest::qWait(0);
    EXPECT_EQ(queued(*first.window()), (std::vector<std::string>{dir / "a.mp3"}));
    first.window()->close();
}

} // namespace
} // namespace brisquel::test
