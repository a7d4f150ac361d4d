// Remove All of a full queue (32767 rows) through the window, against the same removal on
// the same window with no yields at all, in the same run: the difference is what the
// window's turns of its loop cost while the list shrinks. Median of three alternating
// rounds.
#include "bench_window.h"
#include "input/remove_all.h"
#include "platform/qt_desktop.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

} // namespace

int main(int argc, char** argv)
{
    brisquel::bench::offscreenUnlessDisplayed();
    QApplication app(argc, argv);
    QTemporaryDir folders;
    const std::string root = folders.path().toStdString();
    brisquel::QtDesktop desktop;
    brisquel::frmMain window({QCoreApplication::applicationDirPath().toStdString(), root + "/tmp", root + "/settings",
                              root + "/output", &desktop});
    brisquel::bench::reveal(window);

    std::vector<brisquel::QueueEntry> entries;
    for (int i = 0; i < brisquel::ConversionQueue::MaxEntries; ++i) {
        const std::string name = "track " + std::to_string(i) + ".mp3";
        entries.push_back({"/music/" + name, name, "MP3"});
    }
    // Each round starts on a full list that the window has painted once, its first row
    // clicked as a user would before removing.
    auto* list = window.findChild<QTreeWidget*>(QStringLiteral("LV"));
    auto fill = [&] {
        window.queue().append(entries);
        list->setCurrentItem(list->topLevelItem(0));
        QCoreApplication::processEvents();
    };
    auto timed = [&](auto removal) {
        fill();
        const auto start = Clock::now();
        removal();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        return window.queueCount() == 0 ? seconds : -1;
    };
    auto noYields = [&] {
        list->setCurrentItem(nullptr);
        brisquel::removeAll(window.queue(), {});
    };
    auto throughWindow = [&] { window.RemoveAll(); };

    std::vector<double> bare, windowed;
    for (int i = 0; i < 3; ++i) {
        bare.push_back(timed(noYields));
        windowed.push_back(timed(throughWindow));
    }
    const double bareMs = brisquel::bench::median(bare) * 1000;
    const double windowMs = brisquel::bench::median(windowed) * 1000;
    std::printf("Remove All of %d rows (median of 3, platform %s)\n", brisquel::ConversionQueue::MaxEntries,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  removal with no yields    %8.1f ms\n", bareMs);
    std::printf("  Remove All via the window %8.1f ms\n", windowMs);
    std::printf("  ratio                     %8.2f\n", windowMs / bareMs);
    return bareMs > 0 && windowMs > 0 ? 0 : 1;
}
