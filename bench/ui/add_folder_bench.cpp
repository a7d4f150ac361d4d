// Add Folder through the window, the folder picker scripted, against SearchFolder alone on
// the same generated tree of 20,000 files, in the same run: the difference is the cost of
// the window's yields during the search and of its rows. Each runs once to warm the cache,
// then the median of five alternating rounds counts.
#include "bench_window.h"
#include "input/delete_folder_tree.h"
#include "input/file_search.h"
#include "platform/qt_desktop.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Files = 20000;

// The real desktop, except that the folder picker answers at once.
class PickingDesktop : public brisquel::QtDesktop
{
public:
    explicit PickingDesktop(QString folder) : m_folder(std::move(folder)) {}
    std::optional<QString> pickFolder(QWidget*, const QString&, const QString&) override { return m_folder; }

private:
    QString m_folder;
};

// 20 artists x 10 albums, each album holding 100 files.
std::string makeTree()
{
    std::string root = "/tmp/brisquel-add-folder-bench-XXXXXX";
    if (!mkdtemp(root.data()))
        std::exit(1);
    for (int a = 0; a < 20; ++a) {
        const std::string artist = root + "/artist " + std::to_string(a);
        mkdir(artist.c_str(), 0700);
        for (int b = 0; b < 10; ++b) {
            const std::string album = artist + "/album " + std::to_string(b);
            mkdir(album.c_str(), 0700);
            for (int f = 0; f < Files / 200; ++f) {
                const std::string file = album + "/track " + std::to_string(f) + ".mp3";
                close(open(file.c_str(), O_WRONLY | O_CREAT, 0600));
            }
        }
    }
    return root;
}

} // namespace

int main(int argc, char** argv)
{
    brisquel::bench::offscreenUnlessDisplayed();
    QApplication app(argc, argv);
    const std::string tree = makeTree();
    QTemporaryDir folders;
    const std::string root = folders.path().toStdString();
    PickingDesktop desktop(QString::fromStdString(tree));
    brisquel::frmMain window({QCoreApplication::applicationDirPath().toStdString(), root + "/tmp", root + "/settings",
                              root + "/output", &desktop});
    brisquel::bench::reveal(window);

    auto searchAlone = [&] {
        std::vector<std::string> found;
        brisquel::SearchFolder(tree, found, [] {});
        return static_cast<int>(found.size());
    };
    auto throughWindow = [&] {
        window.AddFolder();
        return window.queueCount();
    };
    // Each round starts on an empty queue, emptied outside the time taken.
    auto emptyQueue = [&] {
        window.queue().clear();
        QCoreApplication::processEvents();
    };
    auto timed = [](auto run, int& count) {
        const auto start = Clock::now();
        count = run();
        return std::chrono::duration<double>(Clock::now() - start).count();
    };

    int searched = searchAlone();
    int queued = throughWindow();
    emptyQueue();
    std::vector<double> alone, windowed;
    for (int i = 0; i < 5; ++i) {
        alone.push_back(timed(searchAlone, searched));
        windowed.push_back(timed(throughWindow, queued));
        emptyQueue();
    }
    brisquel::DeleteFolderTree(tree, nullptr);

    const double aloneMs = brisquel::bench::median(alone) * 1000;
    const double windowMs = brisquel::bench::median(windowed) * 1000;
    std::printf("Add Folder on %d files (median of 5, platform %s)\n", Files, qPrintable(QGuiApplication::platformName()));
    std::printf("  SearchFolder alone        %8.1f ms (%d files)\n", aloneMs, searched);
    std::printf("  Add Folder via the window %8.1f ms (%d entries)\n", windowMs, queued);
    std::printf("  ratio                     %8.2f\n", windowMs / aloneMs);
    return searched == Files && queued == Files ? 0 : 1;
}
