#pragma once

#include <QWidget>

#include "ui_Acercade.h"

// The About window, built from Acercade.ui. It opens with the keyboard focus
// on its picture; Enter presses "&Aceptar" once that has the focus. The
// program connects the button.
class Acercade : public QWidget {
    Q_OBJECT

public:
    explicit Acercade(QWidget *parent = nullptr);

    Ui::Acercade &ui() { return m_ui; }
    const Ui::Acercade &ui() const { return m_ui; }

private:
    Ui::Acercade m_ui;
};
