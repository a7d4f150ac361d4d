#include "platform/qt_desktop.h"
#include "ui/brisquel_app.h"

#include <QApplication>

#include <csignal>

int main(int argc, char** argv)
{
    // An ignored SIGCHLD, inherited from whoever started the program, would make the kernel
    // reap the converter unasked and lose its exit status.
    std::signal(SIGCHLD, SIG_DFL);
    QApplication application(argc, argv);
    // Lets Wayland desktops match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brisquel.Brisquel"));
    brisquel::QtDesktop desktop;
    brisquel::BrisquelApp app(brisquel::MainWindowContext::forThisProgram(desktop));
    if (!app.start())
        return 0;
    return QApplication::exec();
}
