#pragma once

class Cuadro;
class Form1;
class MessageSink;

// "&Abrir": shows the whole text of a chosen file in the reference line and
// empties the input fields, so that the user types the values again. A
// cancelled dialog changes nothing; a file that cannot be read is reported
// and changes nothing either.
void openParameterFile(Cuadro &cuadro, Form1 &window, MessageSink &messages);

// "&Guardar": writes the three input texts, each after its label, under the
// chosen name. A cancelled dialog writes nothing; a file that cannot be
// written is reported.
void saveParameterFile(Cuadro &cuadro, const Form1 &window, MessageSink &messages);
