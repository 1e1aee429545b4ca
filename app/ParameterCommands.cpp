#include "app/ParameterCommands.h"

#include "app/MessageSink.h"
#include "files/Cuadro.h"
#include "files/ParameterFile.h"
#include "windows/Form1.h"

#include <QCoreApplication>

namespace {

// The context the file types' captions are translated in.
class ParameterCommandsText {
    Q_DECLARE_TR_FUNCTIONS(ParameterCommands)
};

// "All files" comes first so that the open dialog starts listing everything.
FileTypes openFileTypes() {
    return {
        {ParameterCommandsText::tr("Todos los archivos(*.*)"), QStringLiteral("*.*"), {}},
        {ParameterCommandsText::tr("Archivos de texto(*.txt)"), QStringLiteral("*.txt"), {}},
    };
}

FileTypes saveFileTypes() {
    // Saved under the name exactly as typed.
    return {{ParameterCommandsText::tr("Archivos de texto (*.txt)"), QStringLiteral("*.txt"), {}}};
}

// The program's own files give back their values; for any other text the
// user types them again, starting from a blank, not an empty, IR field.
void showOpenedText(Form1 &window, const QString &text) {
    const ParameterFile::Values values =
        ParameterFile::valuesOf(text).value_or(ParameterFile::Values{QStringLiteral(" "), {}, {}});
    window.setInputs(values.ir, values.d, values.eps);
    window.showReferenceText(text);
    window.setFileLabels(ParameterFile::openedLabels);
}

QString savedText(const Form1 &window) {
    return ParameterFile::textOf(window.fileLabels(),
                                 {window.irText(), window.diameterText(), window.epsilonText()});
}

}  // namespace

void openParameterFile(Cuadro &cuadro, Form1 &window, MessageSink &messages) {
    cuadro.setFileTypes(openFileTypes());
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
    cuadro.setFileTypes(saveFileTypes());
    if (!cuadro.showSave())
        return;
    const QString error = ParameterFile::write(cuadro.fileName(), savedText(window));
    if (!error.isEmpty())
        messages.showMessage(error);
}
