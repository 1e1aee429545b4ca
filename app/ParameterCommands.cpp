#include "app/ParameterCommands.h"

#include "app/MessageSink.h"
#include "files/Cuadro.h"
#include "files/ParameterFile.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// "All files" comes first so that the open dialog starts listing everything.
const FileTypes openFileTypes{
    {QStringLiteral("Todos los archivos(*.*)"), QStringLiteral("*.*")},
    {QStringLiteral("Archivos de texto(*.txt)"), QStringLiteral("*.txt")},
};
const FileTypes saveFileTypes{
    {QStringLiteral("Archivos de texto (*.txt)"), QStringLiteral("*.txt")},
};

void showOpenedText(const ParameterControls &controls, const QString &text) {
    // A blank, not an empty field, is what IR holds after an open.
    controls.Text1.setText(QStringLiteral(" "));
    controls.Text2.clear();
    controls.Text3.clear();
    controls.Text7.setText(text);
    controls.Text7.setVisible(true);
    controls.Label13.setVisible(true);
    controls.Label11.setVisible(false);
    controls.Text4.setText(ParameterFile::openedLabels.ir);
    controls.Text5.setText(ParameterFile::openedLabels.d);
    controls.Text6.setText(ParameterFile::openedLabels.eps);
}

// Each input after its label, in the order IR, D, épsilon.
QString savedText(const ParameterControls &controls) {
    return controls.Text4.text() + controls.Text1.text() + controls.Text5.text() +
           controls.Text3.text() + controls.Text6.text() + controls.Text2.text();
}

}  // namespace

void openParameterFile(Cuadro &cuadro, const ParameterControls &controls, MessageSink &messages) {
    cuadro.setFileTypes(openFileTypes);
    if (!cuadro.showOpen())
        return;
    const ParameterFile::ReadOutcome outcome = ParameterFile::read(cuadro.fileName());
    if (!outcome.ok()) {
        messages.showMessage(outcome.error);
        return;
    }
    showOpenedText(controls, outcome.text);
}

void saveParameterFile(Cuadro &cuadro, const ParameterControls &controls, MessageSink &messages) {
    cuadro.setFileTypes(saveFileTypes);
    if (!cuadro.showSave())
        return;
    const QString error = ParameterFile::write(cuadro.fileName(), savedText(controls));
    if (!error.isEmpty())
        messages.showMessage(error);
}
