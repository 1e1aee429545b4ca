#include "app/ParameterCommands.h"

#include "app/MessageSink.h"
#include "files/Cuadro.h"
#include "files/ParameterFile.h"
#include "windows/Form1.h"

namespace {

// "All files" comes first so that the open dialog starts listing everything.
const FileTypes openFileTypes{
    {QStringLiteral("Todos los archivos(*.*)"), QStringLiteral("*.*")},
    {QStringLiteral("Archivos de texto(*.txt)"), QStringLiteral("*.txt")},
};
const FileTypes saveFileTypes{
    {QStringLiteral("Archivos de texto (*.txt)"), QStringLiteral("*.txt")},
};

void showOpenedText(Form1 &window, const QString &text) {
    // A blank, not an empty field, is what IR holds after an open.
    window.setInputs(QStringLiteral(" "), QString(), QString());
    window.showReferenceText(text);
    window.setFileLabels(ParameterFile::openedLabels);
}

// Each input after its label, in the order IR, D, épsilon.
QString savedText(const Form1 &window) {
    const ParameterFile::FieldLabels labels = window.fileLabels();
    return labels.ir + window.irText() + labels.d + window.diameterText() + labels.eps +
           window.epsilonText();
}

}  // namespace

void openParameterFile(Cuadro &cuadro, Form1 &window, MessageSink &messages) {
    cuadro.setFileTypes(openFileTypes);
    if (!cuadro.showOpen())
        return;
    const ParameterFile::ReadOutcome outcome = ParameterFile::read(cuadro.fileName());
    if (!outcome.ok()) {
        messages.showMessage(outcome.error);
        return;
    }
    showOpenedText(window, outcome.text);
}

void saveParameterFile(Cuadro &cuadro, const Form1 &window, MessageSink &messages) {
    cuadro.setFileTypes(saveFileTypes);
    if (!cuadro.showSave())
        return;
    const QString error = ParameterFile::write(cuadro.fileName(), savedText(window));
    if (!error.isEmpty())
        messages.showMessage(error);
}
