// Start-up time, process start to the window revealed, against a bare Qt window that does
// nothing but show itself, both started as fresh processes in the same run.
#include "platform/qt_desktop.h"
#include "ui/brisquel_app.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// Starts this program in `mode` and returns the nanoseconds from just before the start to
// the moment the child reported; -1 on failure.
long long measure(const char* self, const char* mode)
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
    return std::atoll(out.c_str()) - start;
}

double median(std::vector<long long> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : static_cast<double>(values[values.size() / 2]);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0)
        return bareChild(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--brisquel") == 0)
        return brisquelChild(argc, argv);

    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::vector<long long> bare, brisquel;
    for (int i = 0; i < rounds; ++i) {
        // Alternating keeps a drift of the machine's load from favouring either side.
        const long long b = measure("/proc/self/exe", "--bare");
        const long long w = measure("/proc/self/exe", "--brisquel");
        if (b < 0 || w < 0) {
            std::fprintf(stderr, "a child did not report\n");
            return 1;
        }
        bare.push_back(b);
        brisquel.push_back(w);
    }
    const double bareMs = median(bare) / 1e6;
    const double windowMs = median(brisquel) / 1e6;
    std::printf("start-up, process start to window revealed (median of %d, platform %s)\n", rounds,
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default");
    std::printf("  bare Qt window   %8.1f ms\n", bareMs);
    std::printf("  Brisquel window  %8.1f ms\n", windowMs);
    std::printf("  ratio            %8.2f\n", bareMs > 0 ? windowMs / bareMs : 0.0);
    return 0;
}
