// Start-up with a damaged settings file against start-up with none, in one process: the
// window made, loaded and shown until it is revealed, every case once in every round so a
// drift of the machine's load does not favour any of them.
#include "bad_settings_files.h"
#include "platform/qt_desktop.h"
#include "ui/frm_main.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using brisquel::test::SettingsFile;

struct Case
{
    std::string label;
    SettingsFile file = SettingsFile::Setup;
    void (*make)(const std::string&, SettingsFile) = nullptr; // null: no settings file
    std::string settingsFolder = {};
    std::vector<double> ms = {};
};

double startOnce(const std::string& settingsFolder, const std::string& root, brisquel::Desktop& desktop)
{
    QElapsedTimer clock;
    clock.start();
    brisquel::frmMain window({QCoreApplication::applicationDirPath().toStdString(), root + "/tmp", settingsFolder,
                              root + "/output", &desktop});
    QEventLoop revealed;
    QObject::connect(&window, &brisquel::frmMain::revealed, &revealed, &QEventLoop::quit);
    window.load();
    window.show();
    revealed.exec();
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    QTemporaryDir folders;
    const std::string root = folders.path().toStdString();
    namespace bad = brisquel::test;
    std::vector<Case> cases = {{"no settings file"}};
    for (const SettingsFile file : {SettingsFile::Setup, SettingsFile::Options}) {
        const std::string name = bad::settingsFileName(file);
        cases.push_back({"binary " + name, file, bad::makeBinaryFile});
        cases.push_back({"100 MB " + name, file, bad::makeHugeFile});
        cases.push_back({"truncated " + name, file, bad::makeTruncatedFile});
        cases.push_back({"pipe as " + name, file, bad::makePipe});
        cases.push_back({"folder as " + name, file, bad::makeFolder});
        cases.push_back({"unreadable " + name, file, bad::makeReadErrorFile});
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        cases[i].settingsFolder = root + "/settings" + std::to_string(i);
        QDir().mkpath(QString::fromStdString(cases[i].settingsFolder));
        if (cases[i].make)
            cases[i].make(cases[i].settingsFolder + "/" + bad::settingsFileName(cases[i].file), cases[i].file);
    }

    brisquel::QtDesktop desktop;
    // The first start pays for fonts and caches that every later one finds ready.
    startOnce(cases[0].settingsFolder, root, desktop);
    for (int round = 0; round < rounds; ++round) {
        // Each round starts with another case, so no case always runs first.
        for (std::size_t i = 0; i < cases.size(); ++i) {
            Case& c = cases[(i + static_cast<std::size_t>(round)) % cases.size()];
            c.ms.push_back(startOnce(c.settingsFolder, root, desktop));
        }
    }

    const double baseline = median(cases[0].ms);
    std::printf("start-up with a damaged settings file, window made to revealed (median of %d, platform %s)\n",
                rounds, std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default");
    for (const Case& c : cases)
        std::printf("  %-24s %8.1f ms  ratio %5.2f\n", c.label.c_str(), median(c.ms), baseline > 0 ? median(c.ms) / baseline : 0.0);
    return 0;
}
