#include "app/Form1Handlers.h"

#include "app/ComputeCommand.h"
#include "app/MessageSink.h"
#include "app/ParameterCommands.h"
#include "calc/Presets.h"
#include "drawing/CanvasWidget.h"
#include "files/Cuadro.h"
#include "help/HelpCommands.h"
#include "ui_Form1.h"
#include "windows/Form1.h"

Form1Handlers::Form1Handlers(Form1 &window, Form1Services services)
    : QObject(&window), m_window(window), m_ui(window.ui()), m_services(std::move(services)) {
    connectControls();
}

Form1Handlers::~Form1Handlers() = default;

void Form1Handlers::connectControls() {
    using H = Form1Handlers;
    connect(m_ui.Command1, &QPushButton::clicked, this, &H::onCommand1Click);
    connect(m_ui.Command2, &QPushButton::clicked, this, &H::onCommand2Click);
    connect(m_ui.Command3, &QPushButton::clicked, this, &H::onCommand3Click);
    connect(m_ui.Command4, &QPushButton::clicked, this, &H::onCommand4Click);
    connect(m_ui.Command5, &QPushButton::clicked, this, &H::onCommand5Click);
    connect(m_ui.mnuArAbrir, &QAction::triggered, this, &H::onMnuArAbrirClick);
    connect(m_ui.mnuArGuardar, &QAction::triggered, this, &H::onMnuArGuardarClick);
    connect(m_ui.mnuArIR, &QAction::triggered, this, &H::onMnuArIRClick);
    connect(m_ui.mnuArDiámmetro, &QAction::triggered, this, &H::onMnuArDiammetroClick);
    connect(m_ui.mnuArepsilon, &QAction::triggered, this, &H::onMnuArepsilonClick);
    connect(m_ui.mnuArSalir, &QAction::triggered, this, &H::onCommand1Click);
    connect(m_ui.mnuAyIndice, &QAction::triggered, this, &H::onMnuAyIndiceClick);
    connect(m_ui.mnuAyContenido, &QAction::triggered, this, &H::onMnuAyContenidoClick);
    connect(m_ui.mnuAyAcerca, &QAction::triggered, this, &H::onMnuAyAcercaClick);
}

void Form1Handlers::onCommand1Click() {
    m_services.quit();
}

void Form1Handlers::onCommand2Click() {
    // The animation waits with user input held back, so no click can arrive
    // here during a computation; the guard keeps it so should one ever slip
    // through.
    if (m_computing)
        return;
    m_computing = true;
    computeCommand(m_ui, *m_services.messages, *m_services.pacer);
    m_computing = false;
}

void Form1Handlers::applyPreset(const InputFields &preset) {
    m_ui.Label4->setText(QString());
    m_ui.Label5->setText(QString());
    m_ui.Picture1->Clear();
    m_ui.Picture2->Clear();
    for (QLineEdit *field : {m_ui.Text1, m_ui.Text3, m_ui.Text2})
        field->clear();
    m_ui.Text1->setText(preset.ir);
    m_ui.Text3->setText(preset.diameter);
    m_ui.Text2->setText(preset.epsilon);
    m_ui.Command2->setFocus();
}

void Form1Handlers::onCommand3Click() {
    applyPreset(Presets::diamond);
}

void Form1Handlers::onCommand4Click() {
    applyPreset(Presets::quartz);
}

void Form1Handlers::onCommand5Click() {
    m_ui.Label4->setText(QString());
    m_ui.Label5->setText(QString());
    for (QLineEdit *field : {m_ui.Text1, m_ui.Text2, m_ui.Text3})
        field->clear();
    m_ui.Picture1->Clear();
    m_ui.Picture2->Clear();
    m_ui.Text1->setFocus();
}

ParameterControls Form1Handlers::parameterControls() const {
    return {*m_ui.Text1, *m_ui.Text2, *m_ui.Text3,   *m_ui.Text4,  *m_ui.Text5,
            *m_ui.Text6, *m_ui.Text7, *m_ui.Label11, *m_ui.Label13};
}

void Form1Handlers::onMnuArAbrirClick() {
    openParameterFile(*m_services.cuadro, parameterControls(), *m_services.messages);
}

void Form1Handlers::onMnuArGuardarClick() {
    saveParameterFile(*m_services.cuadro, parameterControls(), *m_services.messages);
}

void Form1Handlers::onMnuArIRClick() {
    m_ui.Text1->setFocus();
}

void Form1Handlers::onMnuArDiammetroClick() {
    m_ui.Text3->setFocus();
}

void Form1Handlers::onMnuArepsilonClick() {
    m_ui.Text2->setFocus();
}

void Form1Handlers::onMnuAyIndiceClick() {
    showHelpIndex(&m_window, *m_services.helpSettings, *m_services.helpViewer);
}

void Form1Handlers::onMnuAyContenidoClick() {
    showHelpContents(&m_window, *m_services.helpSettings, *m_services.helpViewer);
}

void Form1Handlers::onMnuAyAcercaClick() {
    m_services.openAbout();
}
