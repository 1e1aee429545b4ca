#pragma once

class Cuadro;
class Form1;
class MessageSink;

// "&Abrir": shows the whole text of a chosen file in the reference line. A
// file the program saved puts its three values back into the input fields;
// for any other file they are emptied, so that the user types the values
// again. A cancelled dialog changes nothing; a file that cannot be read is
// reported and changes nothing either.
void openParameterFile(Cuadro &cuadro, Form1 &window, MessageSink &messages);

// "&Guardar": writes the three input texts, each after the label the window
// holds for it, under the chosen name; the dialog has the user confirm
// replacing an existing file. A cancelled dialog writes nothing; a file that
// cannot be written is reported.
void saveParameterFile(Cuadro &cuadro, const Form1 &window, MessageSink &messages);
