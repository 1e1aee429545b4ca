#pragma once

class Cuadro;
class MessageSink;
class QLabel;
class QLineEdit;

// The controls of the main window that the parameter-file commands touch.
struct ParameterControls {
    QLineEdit &Text1;  // IR
    QLineEdit &Text2;  // épsilon
    QLineEdit &Text3;  // D
    QLineEdit &Text4;  // hidden label of IR
    QLineEdit &Text5;  // hidden label of D
    QLineEdit &Text6;  // hidden label of épsilon
    QLineEdit &Text7;  // notice line with the text of the last opened file
    QLabel &Label11;   // "MEDIDAS y ÁNGULOS"
    QLabel &Label13;   // "INGRESE :"
};

// "&Abrir": shows the whole text of a chosen file in the notice line and
// empties the input fields, so that the user types the values again. A
// cancelled dialog changes nothing; a file that cannot be read is reported
// and changes nothing either.
void openParameterFile(Cuadro &cuadro, const ParameterControls &controls, MessageSink &messages);

// "&Guardar": writes the three input texts, each after its label, under the
// chosen name. A cancelled dialog writes nothing; a file that cannot be
// written is reported.
void saveParameterFile(Cuadro &cuadro, const ParameterControls &controls, MessageSink &messages);
