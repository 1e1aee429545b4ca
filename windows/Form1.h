#pragma once

#include "files/ParameterFile.h"
#include "windows/CanvasWidget.h"

#include <QMainWindow>
#include <memory>

class QMenu;
namespace Ui {
class Form1;
}

// The main window, built from Form1.ui: every control, menu and drawing area
// where the form puts it. It reports what the user asks for as signals and
// offers what the commands show or read, in the window's own words; what a
// request does is decided by the program's commands. Enter presses the
// focused button.
class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // The three input fields, as typed.
    QString irText() const;
    QString diameterText() const;
    QString epsilonText() const;
    void setInputs(const QString &ir, const QString &diameter, const QString &epsilon);

    // The IR read-out above the results: "IR =" and the IR read.
    void showIrEcho(const QString &echo);
    void hideIrEcho();
    // Blanks both drawing areas and the read-out's texts.
    void clearDrawings();
    // The dimensioned profile with the results, and the ray picture.
    CanvasWidget &resultsCanvas();
    CanvasWidget &rayCanvas();
    // The menu of both drawing areas (right click, or the Menu key on the
    // focused area) acts on the drawing they show: its items are enabled
    // only while there is one. They start disabled. Its copy request names
    // the area the menu was opened on.
    void setImageActionsEnabled(bool enabled);
    // The menu "&Talla" is about the drawing shown too: its items start
    // disabled.
    void setCutMenuEnabled(bool enabled);

    // Above the results stands either the heading "MEDIDAS y ÁNGULOS", or,
    // after a file was opened, the prompt and the reference line with the
    // file's text.
    void showResultsHeading();
    void showReferenceText(const QString &text);

    // The labels that a saved parameter file puts before each input, kept in
    // the window's hidden fields.
    ParameterFile::FieldLabels fileLabels() const;
    void setFileLabels(const ParameterFile::FieldLabels &labels);

    void focusCalculate();
    void focusIr();

signals:
    void calculateRequested();                    // "CALCULAR"
    void diamondRequested();                      // DIAMANTE
    void quartzRequested();                       // CUARZO
    void customGemRequested();                    // "?"
    void openRequested();                         // "&Abrir"
    void saveRequested();                         // "&Guardar"
    void helpContentsRequested();                 // "&Contenido", or F1
    void helpIndexRequested();                    // "&Indice"
    void aboutRequested();                        // "&Acerca de ..."
    void quitRequested();                         // "&Salir", button or menu
    void copyImageRequested(CanvasWidget *area);  // "Copiar imagen"
    void saveSheetRequested();                    // "Guardar hoja de corte…"
    void printSheetRequested();                   // "Imprimir hoja de corte…"
    void recipeRequested();                       // "&Receta de tallado…"
    void verificationRequested();                 // "&Verificación 3-D…"
    void optimiseRequested();                     // "&Optimizar talla…"

private:
    void connectControls();
    void placeClientArea();
    void liftLengthLimits();
    void addImageMenu();

    std::unique_ptr<Ui::Form1> m_ui;
    QMenu *m_imageMenu = nullptr;
    int m_irEchoWidth = 0;               // the read-out's width in the form, its least
    CanvasWidget *m_menuArea = nullptr;  // where the menu was last opened
};
