// The yardstick for CORVELUX's start-up: a bare Qt Widgets window with a
// title and nothing in it, built with the same compiler and flags.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Ventana vacía"));
    window.show();
    return app.exec();
}
