#include "windows/Form1.h"

#include "drawing/MainCanvases.h"
#include "ui_Form1.h"
#include "windows/EnterKey.h"
#include "windows/Fonts.h"
#include "windows/LabelFitting.h"

#include <QMenu>
#include <limits>

namespace {

// The client area (the form below the menu bar) and where it opens on screen.
constexpr QPoint clientOrigin(4, 50);
constexpr QSize clientSize(792, 539);

}  // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::Form1>()) {
    installFontSubstitutes();
    m_ui->setupUi(this);
    fitLabelsToText(*this);
    m_irEchoWidth = m_ui->Label5->width();
    setUpPicture1(*m_ui->Picture1);
    setUpPicture2(*m_ui->Picture2);
    placeClientArea();
    liftLengthLimits();
    letEnterPressFocusedButtons(*this);
    connectControls();
    addImageMenu();
    m_ui->Text1->setFocus();
}

Form1::~Form1() = default;

void Form1::connectControls() {
    const Ui::Form1 &ui = *m_ui;
    connect(ui.Command2, &QPushButton::clicked, this, &Form1::calculateRequested);
    connect(ui.Command3, &QPushButton::clicked, this, &Form1::diamondRequested);
    connect(ui.Command4, &QPushButton::clicked, this, &Form1::quartzRequested);
    connect(ui.Command5, &QPushButton::clicked, this, &Form1::customGemRequested);
    connect(ui.Command1, &QPushButton::clicked, this, &Form1::quitRequested);
    connect(ui.mnuArSalir, &QAction::triggered, this, &Form1::quitRequested);
    connect(ui.mnuArAbrir, &QAction::triggered, this, &Form1::openRequested);
    connect(ui.mnuArGuardar, &QAction::triggered, this, &Form1::saveRequested);
    connect(ui.mnuAyContenido, &QAction::triggered, this, &Form1::helpContentsRequested);
    connect(ui.mnuAyIndice, &QAction::triggered, this, &Form1::helpIndexRequested);
    connect(ui.mnuAyAcerca, &QAction::triggered, this, &Form1::aboutRequested);
    connect(ui.mnuTaReceta, &QAction::triggered, this, &Form1::recipeRequested);
    connect(ui.mnuTaVerificacion, &QAction::triggered, this, &Form1::verificationRequested);
    connect(ui.mnuTaOptimizar, &QAction::triggered, this, &Form1::optimiseRequested);
    // The three entry items of the file menu only move the focus.
    const auto focusOn = [](QWidget *field) { return [field] { field->setFocus(); }; };
    connect(ui.mnuArIR, &QAction::triggered, this, focusOn(ui.Text1));
    connect(ui.mnuArDiámmetro, &QAction::triggered, this, focusOn(ui.Text3));
    connect(ui.mnuArepsilon, &QAction::triggered, this, focusOn(ui.Text2));
}

void Form1::addImageMenu() {
    m_imageMenu = new QMenu(this);
    m_imageMenu->setObjectName(QStringLiteral("mnuImagen"));
    const auto addItem = [this](const QString &name, const QString &text, auto request) {
        QAction *item = m_imageMenu->addAction(text, this, request);
        item->setObjectName(name);
    };
    addItem(QStringLiteral("mnuImCopiar"), tr("Copiar imagen"),
            [this] { emit copyImageRequested(m_menuArea); });
    addItem(QStringLiteral("mnuImGuardar"), tr("Guardar hoja de corte…"),
            &Form1::saveSheetRequested);
    addItem(QStringLiteral("mnuImImprimir"), tr("Imprimir hoja de corte…"),
            &Form1::printSheetRequested);
    setImageActionsEnabled(false);
    m_menuArea = m_ui->Picture1;
    for (CanvasWidget *area : {m_ui->Picture1, m_ui->Picture2}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(area, &QWidget::customContextMenuRequested, this, [this, area](const QPoint &at) {
            m_menuArea = area;
            m_imageMenu->popup(area->mapToGlobal(at));
        });
    }
}

void Form1::liftLengthLimits() {
    // Fields take any text the user types, however long; Qt would stop at
    // 32767 characters.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->setMaxLength(std::numeric_limits<int>::max());
}

void Form1::placeClientArea() {
    // Qt places the window without its frame; the menu bar sits above the
    // client area inside that rectangle.
    const int menuHeight = menuBar()->sizeHint().height();
    setGeometry(QRect(clientOrigin - QPoint(0, menuHeight), clientSize + QSize(0, menuHeight)));
}

QString Form1::irText() const {
    return m_ui->Text1->text();
}

QString Form1::diameterText() const {
    return m_ui->Text3->text();
}

QString Form1::epsilonText() const {
    return m_ui->Text2->text();
}

void Form1::setInputs(const QString &ir, const QString &diameter, const QString &epsilon) {
    m_ui->Text1->setText(ir);
    m_ui->Text3->setText(diameter);
    m_ui->Text2->setText(epsilon);
}

void Form1::showIrEcho(const QString &echo) {
    m_ui->Label4->setText(tr("IR ="));
    m_ui->Label5->setText(echo);
    // Nothing stands to the right of the read-out: a long IR widens it
    // instead of losing its last digits.
    widenToText(*m_ui->Label5, m_irEchoWidth);
    m_ui->Label4->show();
    m_ui->Label5->show();
}

void Form1::hideIrEcho() {
    m_ui->Label5->hide();
}

void Form1::clearDrawings() {
    m_ui->Label4->setText(QString());
    m_ui->Label5->setText(QString());
    m_ui->Picture1->Clear();
    m_ui->Picture2->Clear();
}

CanvasWidget &Form1::resultsCanvas() {
    return *m_ui->Picture1;
}

CanvasWidget &Form1::rayCanvas() {
    return *m_ui->Picture2;
}

void Form1::setImageActionsEnabled(bool enabled) {
    for (QAction *item : m_imageMenu->actions())
        item->setEnabled(enabled);
}

void Form1::setCutMenuEnabled(bool enabled) {
    for (QAction *item : m_ui->mnuTalla->actions())
        item->setEnabled(enabled);
}

void Form1::showResultsHeading() {
    m_ui->Text7->hide();
    m_ui->Label13->hide();
    m_ui->Label11->show();
}

void Form1::showReferenceText(const QString &text) {
    m_ui->Text7->setText(text);
    m_ui->Text7->setCursorPosition(0);  // the start of the text, not its end
    m_ui->Text7->show();
    m_ui->Label13->show();
    m_ui->Label11->hide();
}

ParameterFile::FieldLabels Form1::fileLabels() const {
    return {m_ui->Text4->text(), m_ui->Text5->text(), m_ui->Text6->text()};
}

void Form1::setFileLabels(const ParameterFile::FieldLabels &labels) {
    m_ui->Text4->setText(labels.ir);
    m_ui->Text5->setText(labels.d);
    m_ui->Text6->setText(labels.eps);
}

void Form1::focusCalculate() {
    m_ui->Command2->setFocus();
}

void Form1::focusIr() {
    m_ui->Text1->setFocus();
}
