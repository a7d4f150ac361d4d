#include "platform/qt_desktop.h"
#include "ui/brisquel_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    brisquel::QtDesktop desktop;
    brisquel::BrisquelApp app(brisquel::MainWindowContext::forThisProgram(desktop));
    if (!app.start())
        return 0;
    return QApplication::exec();
}
