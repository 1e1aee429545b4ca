#pragma once

#include <QObject>
#include <functional>
#include <memory>

class Cuadro;
class Form1;
class HelpSettings;
class HelpViewer;
class MessageSink;
class Pacer;
struct InputFields;
struct ParameterControls;
namespace Ui {
class Form1;
}

// What the main window's commands need from the rest of the program.
struct Form1Services {
    std::unique_ptr<MessageSink> messages;  // this window's message box
    std::unique_ptr<Cuadro> cuadro;         // this window's file dialog
    Pacer *pacer = nullptr;                 // paces the ray animation
    HelpSettings *helpSettings = nullptr;   // program-wide help file setting
    HelpViewer *helpViewer = nullptr;
    std::function<void()> openAbout;  // opens or raises the About window
    std::function<void()> quit;       // ends the program with every window
};

// The event handlers of the main window, one per button or menu item. They
// live as long as the window and share nothing but its controls and the
// program-wide services.
class Form1Handlers : public QObject {
    Q_OBJECT

public:
    Form1Handlers(Form1 &window, Form1Services services);
    ~Form1Handlers() override;

    void onCommand1Click();  // "&Salir"
    void onCommand2Click();  // "CALCULAR"
    void onCommand3Click();  // diamond preset
    void onCommand4Click();  // quartz preset
    void onCommand5Click();  // "?": custom gem
    void onMnuArAbrirClick();
    void onMnuArGuardarClick();
    void onMnuArIRClick();
    void onMnuArDiammetroClick();
    void onMnuArepsilonClick();
    void onMnuAyIndiceClick();
    void onMnuAyContenidoClick();
    void onMnuAyAcercaClick();

private:
    void connectControls();
    ParameterControls parameterControls() const;
    void applyPreset(const InputFields &preset);

    Form1 &m_window;
    Ui::Form1 &m_ui;
    Form1Services m_services;
    bool m_computing = false;
};
