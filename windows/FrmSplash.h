#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class frmSplash;
}

// The splash window, built from FrmSplash.ui: a borderless welcome page at the
// screen's top-left corner. None of its controls takes the keyboard focus, so
// key presses reach the window itself. It only reports the two user actions
// that matter; the program decides what they do.
class FrmSplash : public QWidget {
    Q_OBJECT

public:
    explicit FrmSplash(QWidget *parent = nullptr);
    ~FrmSplash() override;

signals:
    void nextRequested();        // a click on "Siguiente" (Label2), Enter or the keypad's Enter
    void characterKeyPressed();  // any other key that types a character, Escape included

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<Ui::frmSplash> m_ui;
};
