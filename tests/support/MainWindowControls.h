#pragma once

#include "tests/support/Controls.h"
#include "windows/CanvasWidget.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The main window's controls that the tests type into, click and read, found
// by the names the layout gives them.
struct MainWindowControls {
    explicit MainWindowControls(const QWidget &window) : window(window) {}

    QLineEdit *field(const char *name) const { return control<QLineEdit>(window, name); }
    QLabel *label(const char *name) const { return control<QLabel>(window, name); }
    QPushButton *button(const char *name) const { return control<QPushButton>(window, name); }
    CanvasWidget *canvas(const char *name) const { return control<CanvasWidget>(window, name); }
    QAction *menuItem(const QString &name) const { return control<QAction>(window, name); }

    const QWidget &window;
    QLineEdit *const Text1 = field("Text1");  // IR
    QLineEdit *const Text2 = field("Text2");  // épsilon
    QLineEdit *const Text3 = field("Text3");  // D
    QLineEdit *const Text4 = field("Text4");  // hidden labels of the parameter file
    QLineEdit *const Text5 = field("Text5");
    QLineEdit *const Text6 = field("Text6");
    QLineEdit *const Text7 = field("Text7");  // reference line of an opened file
    QLabel *const Label4 = label("Label4");   // "IR ="
    QLabel *const Label5 = label("Label5");   // the IR read
    QLabel *const Label11 = label("Label11");
    QLabel *const Label13 = label("Label13");
    QPushButton *const Command1 = button("Command1");  // "&Salir"
    QPushButton *const Command2 = button("Command2");  // "CALCULAR"
    QPushButton *const Command3 = button("Command3");  // DIAMANTE
    QPushButton *const Command4 = button("Command4");  // CUARZO
    QPushButton *const Command5 = button("Command5");  // "?"
    CanvasWidget *const Picture1 = canvas("Picture1");
    CanvasWidget *const Picture2 = canvas("Picture2");
};
