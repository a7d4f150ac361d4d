#include "platform/qt_desktop.h"
#include "ui/brisquel_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Lets Wayland desktops match the window to its installed entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.brisquel.Brisquel"));
    brisquel::QtDesktop desktop;
    brisquel::BrisquelApp app(brisquel::MainWindowContext::forThisProgram(desktop));
    if (!app.start())
        return 0;
    return QApplication::exec();
}
