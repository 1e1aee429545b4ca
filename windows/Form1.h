#pragma once

#include <QMainWindow>

#include "ui_Form1.h"

// The main window, built from Form1.ui: every control, menu and drawing area
// where the form puts it. It runs no code of its own beyond Enter pressing the
// focused button; the program's handlers reach the controls by name through
// ui().
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    Ui::Form1 &ui() { return m_ui; }
    const Ui::Form1 &ui() const { return m_ui; }

private:
    void placeClientArea();
    void liftLengthLimits();

    Ui::Form1 m_ui;
};
