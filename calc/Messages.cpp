#include "calc/Messages.h"

#include <QCoreApplication>

namespace Messages {

QString title() {
    return QCoreApplication::translate("Messages", "CUIDADO !!!");
}

QString irTooSmall() {
    return QCoreApplication::translate("Messages", "IR mayor que 1");
}

QString diameterTooSmall() {
    return QCoreApplication::translate("Messages", "Diámetro mayor que 0");
}

QString negativeCrown() {
    return QCoreApplication::translate("Messages",
                                       "épsilon debe ser menor o la corona es negativa !!!");
}

QString epsilonRange() {
    // The blank at the end belongs to the message as it has always read.
    return QCoreApplication::translate("Messages", "épsilon entre 0º y 89º ");
}

QString irUnmatched() {
    return QCoreApplication::translate(
        "Messages",
        "No hay solución para este IR: escriba IR con tres decimales como máximo "
        "(por ejemplo 2.419) y menor que 500000.");
}

QString outOfScale() {
    return QCoreApplication::translate(
        "Messages",
        "Valores fuera de escala: un valor o un resultado es demasiado grande. "
        "Escriba valores menores de IR, D o épsilon.");
}

}  // namespace Messages
