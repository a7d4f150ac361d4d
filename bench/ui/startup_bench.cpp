// Start-up time, process start to the window revealed, against a bare Qt window that does
// nothing but show itself, both started as fresh processes in the same run: once on the
// offscreen platform and once on an X server (the one DISPLAY names, else an Xvfb started
// for the run), since the window system's round trips are part of a real start. It also
// times the drawing of the skin, which every start does.
#include "platform/qt_desktop.h"
#include "ui/brisquel_app.h"
#include "ui/frm_main.h"
#include "ui/skin_artwork.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <csignal>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

long long nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

[[noreturn]] void report()
{
    std::printf("%lld\n", nowNs());
    std::fflush(stdout);
    std::_Exit(0);
}

// The baseline: shown, and done at its first paint.
class BareWindow : public QWidget
{
protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            report();
        return QWidget::event(e);
    }
};

int bareChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    BareWindow window;
    window.resize(699, 454);
    window.show();
    return QApplication::exec();
}

int brisquelChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir folders;
    const std::string root = folders.path().toStdString();
    QDir().mkpath(folders.path() + "/settings");
    brisquel::QtDesktop desktop;
    brisquel::MainWindowContext context{QCoreApplication::applicationDirPath().toStdString(), root + "/tmp",
                                        root + "/settings", root + "/output", &desktop};
    brisquel::BrisquelApp program(context, folders.path() + "/brisquel.lock");
    if (!program.start())
        return 1;
    QObject::connect(program.window(), &brisquel::frmMain::revealed, [] { report(); });
    return QApplication::exec();
}

// Draws the artwork as the window does, and reports how long that took instead of a moment.
int skinChild(int argc, char** argv)
{
    QApplication app(argc, argv);
    const long long start = nowNs();
    const brisquel::SkinArtwork art = brisquel::drawSkinArtwork(app.devicePixelRatio());
    if (std::getenv("BRISQUEL_BENCH_SKIN_TWICE")) {
        // The second drawing finds the fonts loaded: the difference is their first lookup.
        const long long again = nowNs();
        brisquel::drawSkinArtwork(app.devicePixelRatio());
        std::fprintf(stderr, "skin: first %.1f ms, again %.1f ms\n", (again - start) / 1e6, (nowNs() - again) / 1e6);
    }
    const long long took = nowNs() - start;
    if (art.skin.isNull())
        return 1;
    std::printf("%lld\n", took);
    return 0;
}

// Starts this program in `mode` and returns the nanoseconds from just before the start to
// the moment the child reported, or the nanoseconds the child printed when `printsDuration`;
// -1 on failure.
long long measure(const char* self, const char* mode, bool printsDuration = false)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char* args[] = {const_cast<char*>(self), const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    const long long start = nowNs();
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string out;
    char buffer[64];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    if (out.empty())
        return -1;
    return std::atoll(out.c_str()) - (printsDuration ? 0 : start);
}

double median(std::vector<long long> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : static_cast<double>(values[values.size() / 2]);
}

struct Figures
{
    double bareMs = 0;
    double windowMs = 0;
    double skinMs = 0;
    double ratio() const { return bareMs > 0 ? windowMs / bareMs : 0.0; }
};

// `rounds` alternating starts of both windows on the platform the environment names.
bool measureRounds(int rounds, Figures& figures)
{
    std::vector<long long> bare, brisquel, skin;
    for (int i = 0; i < rounds; ++i) {
        // Alternating keeps a drift of the machine's load from favouring either side.
        const long long b = measure("/proc/self/exe", "--bare");
        const long long w = measure("/proc/self/exe", "--brisquel");
        const long long s = measure("/proc/self/exe", "--skin", true);
        if (b < 0 || w < 0 || s < 0) {
            std::fprintf(stderr, "a child did not report\n");
            return false;
        }
        bare.push_back(b);
        brisquel.push_back(w);
        skin.push_back(s);
    }
    figures = {median(bare) / 1e6, median(brisquel) / 1e6, median(skin) / 1e6};
    return true;
}

void print(const char* platform, int rounds, const Figures& f)
{
    std::printf("start-up, process start to window revealed (median of %d, platform %s)\n", rounds, platform);
    std::printf("  bare Qt window   %8.1f ms\n", f.bareMs);
    std::printf("  Brisquel window  %8.1f ms (of which drawing the skin %.1f ms)\n", f.windowMs, f.skinMs);
    std::printf("  ratio            %8.2f\n", f.ratio());
}

// An X server of the run's own, on a display it picks itself; its number, or -1.
int startXvfb(pid_t& pid)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const std::string fd = std::to_string(fds[1]);
    char* args[] = {const_cast<char*>("Xvfb"), const_cast<char*>("-displayfd"), const_cast<char*>(fd.c_str()),
                    const_cast<char*>("-screen"), const_cast<char*>("0"), const_cast<char*>("1280x800x24"),
                    const_cast<char*>("-nolisten"), const_cast<char*>("tcp"), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const int spawned = posix_spawnp(&pid, "Xvfb", &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    std::string out;
    char buffer[16];
    for (ssize_t n; out.find('\n') == std::string::npos && (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    if (spawned != 0 || out.empty()) {
        pid = 0;
        return -1;
    }
    return std::atoi(out.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0)
        return bareChild(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--brisquel") == 0)
        return brisquelChild(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--skin") == 0)
        return skinChild(argc, argv);

    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const char* givenDisplay = std::getenv("DISPLAY");
    const std::string display = givenDisplay ? givenDisplay : "";

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Figures offscreen;
    if (!measureRounds(rounds, offscreen))
        return 1;

    pid_t xvfb = 0;
    std::string xDisplay = display;
    if (xDisplay.empty()) {
        const int number = startXvfb(xvfb);
        if (number < 0) {
            std::fprintf(stderr, "cannot start Xvfb\n");
            return 1;
        }
        xDisplay = ":" + std::to_string(number);
    }
    setenv("DISPLAY", xDisplay.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    Figures x11;
    const bool measured = measureRounds(rounds, x11);
    if (xvfb > 0) {
        kill(xvfb, SIGTERM);
        waitpid(xvfb, nullptr, 0);
    }
    if (!measured)
        return 1;

    print("offscreen", rounds, offscreen);
    print(("xcb on " + xDisplay + (display.empty() ? " (Xvfb)" : "")).c_str(), rounds, x11);
    return 0;
}
