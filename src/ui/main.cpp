#include "platform/folders.h"
#include "platform/hand_off.h"
#include "platform/qt_desktop.h"
#include "platform/single_instance.h"
#include "ui/brisquel_app.h"
#include "ui/program_language.h"
#include "ui/program_arguments.h"

#include <QApplication>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// A copy that is still starting takes a moment before it listens.
constexpr std::chrono::seconds HandOffPatience{10};

std::string currentFolder()
{
    std::error_code ec;
    return std::filesystem::current_path(ec).string();
}

// Answers --help, --version and a wrong option in the user's language. A core application
// holds the catalogue and needs no display; the arguments are read again once it is in,
// so the complaint about an option is translated too.
int answerWithoutWindow(int argc, char** argv)
{
    int qtArgc = 1;
    QCoreApplication core(qtArgc, argv);
    const brisquel::ProgramTranslations translations(brisquel::programFolder(), brisquel::environmentLanguage());
    const brisquel::ProgramArguments arguments =
        brisquel::parseProgramArguments(std::vector<std::string>(argv + 1, argv + argc), currentFolder());
    switch (arguments.action) {
    case brisquel::ProgramArguments::Action::Help:
        std::fputs(brisquel::usageText().c_str(), stdout);
        return 0;
    case brisquel::ProgramArguments::Action::Version:
        std::fputs(brisquel::versionText().c_str(), stdout);
        return 0;
    case brisquel::ProgramArguments::Action::Misuse:
    case brisquel::ProgramArguments::Action::Run:
        break;
    }
    std::fprintf(stderr, "brisquel: %s\n%s", arguments.problem.c_str(), brisquel::usageText().c_str());
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Read before Qt starts, so --help and --version need no display, and Qt takes no
    // options of its own from the command line.
    const brisquel::ProgramArguments arguments =
        brisquel::parseProgramArguments(std::vector<std::string>(argv + 1, argv + argc), currentFolder());
    if (arguments.action != brisquel::ProgramArguments::Action::Run)
        return answerWithoutWindow(argc, argv);

    // An ignored SIGCHLD, inherited from whoever started the program, would make the kernel
    // reap the converter unasked and lose its exit status.
    std::signal(SIGCHLD, SIG_DFL);

    int qtArgc = 1;
    auto instance = std::make_unique<brisquel::SingleInstance>();
    if (!instance->acquire()) {
        // Another copy runs: it takes the paths; without any, this copy ends silently.
        if (arguments.paths.empty())
            return 0;
        QCoreApplication core(qtArgc, argv);
        if (brisquel::handPathsOver(instance->handOffPath(), arguments.paths, HandOffPatience))
            return 0;
        const brisquel::ProgramTranslations translations(brisquel::programFolder(), brisquel::environmentLanguage());
        std::fprintf(stderr, "brisquel: %s\n",
                     qPrintable(QCoreApplication::translate("Program", "the running Brisquel did not take the files")));
        return 1;
    }

    QApplication application(qtArgc, argv);
    const brisquel::ProgramTranslations translations(brisquel::programFolder(), brisquel::environmentLanguage());
    // Lets Wayland desktops match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brisquel.Brisquel"));
    brisquel::QtDesktop desktop;
    brisquel::MainWindowContext context = brisquel::MainWindowContext::forThisProgram(desktop);
    context.language = translations.language();
    brisquel::BrisquelApp app(std::move(context), std::move(instance));
    if (!app.start(arguments.paths))
        return 0;
    return QApplication::exec();
}
