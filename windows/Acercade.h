#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class Acercade;
}

// The About window, built from Acercade.ui. It opens with the keyboard focus
// on its picture; Enter presses "&Aceptar" once that has the focus, and
// the button closes the window.
class Acercade : public QWidget {
    Q_OBJECT

public:
    explicit Acercade(QWidget *parent = nullptr);
    ~Acercade() override;

private:
    std::unique_ptr<Ui::Acercade> m_ui;
};
