// The baseline of bench_startup: a bare window of the same toolkit, with the
// main window's title and size, and nothing else.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("QV LED Player"));
    window.resize(1024, 715);
    window.show();
    return app.exec();
}
