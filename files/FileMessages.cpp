#include "files/FileMessages.h"

#include <QCoreApplication>
#include <QDir>

namespace FileMessages {

namespace {

// Text::tr() translates in this file's context, which lupdate reads from
// the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(FileMessages)
};

QString quoted(const QString &fileName) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(fileName));
}

}  // namespace

QString missing(const QString &fileName) {
    return Text::tr("No se encuentra el archivo %1.").arg(quoted(fileName));
}

QString isFolder(const QString &fileName) {
    return Text::tr("%1 es una carpeta, no un archivo.").arg(quoted(fileName));
}

QString isSpecialFile(const QString &fileName) {
    return Text::tr("%1 es un dispositivo, una tubería o un socket del sistema, no un archivo.")
        .arg(quoted(fileName));
}

QString cannotOpen(const QString &fileName) {
    return Text::tr("No se puede abrir el archivo %1. Compruebe que tiene permiso para leerlo.")
        .arg(quoted(fileName));
}

QString cannotRead(const QString &fileName) {
    return Text::tr("No se pudo leer el archivo %1.").arg(quoted(fileName));
}

QString tooLarge(const QString &fileName, qint64 maxKiB) {
    return Text::tr(
               "El archivo %1 es demasiado grande para ser un archivo de parámetros "
               "(más de %2 KB).")
        .arg(quoted(fileName), QString::number(maxKiB));
}

QString cannotSave(const QString &fileName) {
    return Text::tr(
               "No se pudo guardar el archivo %1. Compruebe que la carpeta existe, que tiene "
               "permiso para escribir en ella y que hay espacio en el disco. Si el archivo "
               "ya existía, no se ha modificado.")
        .arg(quoted(fileName));
}

QString cannotFinishSaving(const QString &fileName) {
    return Text::tr(
               "No se pudo terminar de guardar el archivo %1, que puede haber quedado "
               "incompleto. Compruebe que hay espacio en el disco.")
        .arg(quoted(fileName));
}

QString notACutSheetName(const QString &fileName, const QString &extensions) {
    return Text::tr("No se puede guardar la hoja de corte como %1: el nombre debe terminar en %2.")
        .arg(quoted(fileName), extensions);
}

QString notARecipeName(const QString &fileName, const QString &extensions) {
    return Text::tr("No se puede guardar la receta como %1: el nombre debe terminar en %2.")
        .arg(quoted(fileName), extensions);
}

}  // namespace FileMessages
