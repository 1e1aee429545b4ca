#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>

// The texts of the messages about a file that cannot be opened, read or
// saved, shown in the "CUIDADO !!!" box. Each names the file in full.
namespace FileMessages {

inline QString quoted(const QString &fileName) {
    return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(fileName));
}

inline QString missing(const QString &fileName) {
    return QStringLiteral("No se encuentra el archivo %1.").arg(quoted(fileName));
}

inline QString isFolder(const QString &fileName) {
    return QStringLiteral("%1 es una carpeta, no un archivo.").arg(quoted(fileName));
}

inline QString isSpecialFile(const QString &fileName) {
    return QStringLiteral(
               "%1 es un dispositivo, una tubería o un socket del sistema, no un archivo.")
        .arg(quoted(fileName));
}

inline QString cannotOpen(const QString &fileName) {
    return QStringLiteral(
               "No se puede abrir el archivo %1. Compruebe que tiene permiso para leerlo.")
        .arg(quoted(fileName));
}

inline QString cannotRead(const QString &fileName) {
    return QStringLiteral("No se pudo leer el archivo %1.").arg(quoted(fileName));
}

inline QString tooLarge(const QString &fileName, qint64 maxKiB) {
    return QStringLiteral(
               "El archivo %1 es demasiado grande para ser un archivo de parámetros "
               "(más de %2 KB).")
        .arg(quoted(fileName), QString::number(maxKiB));
}

inline QString cannotSave(const QString &fileName) {
    return QStringLiteral(
               "No se pudo guardar el archivo %1. Compruebe que la carpeta existe, que tiene "
               "permiso para escribir en ella y que hay espacio en el disco. Si el archivo ya "
               "existía, no se ha modificado.")
        .arg(quoted(fileName));
}

// Only for a file written in place, where no temporary file could be made
// beside it: a write that fails halfway has already changed it.
inline QString cannotFinishSaving(const QString &fileName) {
    return QStringLiteral(
               "No se pudo terminar de guardar el archivo %1, que puede haber quedado "
               "incompleto. Compruebe que hay espacio en el disco.")
        .arg(quoted(fileName));
}

// extensions: the sheet's, as a sentence lists them.
inline QString notACutSheetName(const QString &fileName, const QString &extensions) {
    return QStringLiteral(
               "No se puede guardar la hoja de corte como %1: el nombre debe terminar en %2.")
        .arg(quoted(fileName), extensions);
}

inline QString notARecipeName(const QString &fileName, const QString &extensions) {
    return QCoreApplication::translate("FileMessages",
                                       "No se puede guardar la receta como %1: el nombre debe "
                                       "terminar en %2.")
        .arg(quoted(fileName), extensions);
}

}  // namespace FileMessages
