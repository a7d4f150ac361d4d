#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Brisquel - Ver 1.0.0"));
    window.setFixedSize(699, 454);
    window.show();
    return app.exec();
}
