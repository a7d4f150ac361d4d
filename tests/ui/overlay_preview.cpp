// Shows the main window as it looks while files are dragged over the queue list, for a look
// at the overlay on a real display: a drag enter built from file URLs is delivered to the
// list, as a drag from the file manager would be. Not a test; it runs until closed, or for
// the seconds given as its argument.
#include "platform/qt_desktop.h"
#include "ui/frm_main.h"
#include "ui/program_language.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // In the environment's language, as the program shows it.
    const brisquel::ProgramTranslations translations(QCoreApplication::applicationDirPath().toStdString(),
                                                     brisquel::environmentLanguage());
    QTemporaryDir folders;
    const std::string root = folders.path().toStdString();
    brisquel::QtDesktop desktop;
    brisquel::frmMain window({QCoreApplication::applicationDirPath().toStdString(), root + "/tmp", root + "/settings",
                              root + "/output", &desktop});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/music/first.mp3")),
                  QUrl::fromLocalFile(QStringLiteral("/music/second.flac"))});
    QObject::connect(&window, &brisquel::frmMain::revealed, [&] {
        QWidget* list = window.findChild<QTreeWidget*>(QStringLiteral("LV"))->viewport();
        QDragEnterEvent enter(list->rect().center(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list, &enter);
    });
    window.load();
    window.show();
    if (argc > 1)
        QTimer::singleShot(std::atoi(argv[1]) * 1000, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
