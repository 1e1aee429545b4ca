#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("CORVELUX 1.0"));
    window.resize(792, 539);
    window.show();
    return app.exec();
}
