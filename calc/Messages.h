#pragma once

#include <QString>

// The texts of the compute command's message box.
namespace Messages {

inline const QString title = QStringLiteral("CUIDADO !!!");

inline const QString irTooSmall = QStringLiteral("IR mayor que 1");
inline const QString diameterTooSmall = QStringLiteral("Diámetro mayor que 0");
inline const QString negativeCrown =
    QStringLiteral("épsilon debe ser menor o la corona es negativa !!!");
inline const QString epsilonRange = QStringLiteral("épsilon entre 0º y 89º ");

// No cut exists for an IR that the solver cannot match (more than three
// decimals, or far too large).
inline const QString irUnmatched = QStringLiteral(
    "No hay solución para este IR: escriba IR con tres decimales como máximo "
    "(por ejemplo 2.419) y menor que 700000");
// A value or result too large to compute, draw or print.
inline const QString outOfScale = QStringLiteral(
    "Valores fuera de escala: el resultado no es un número finito. "
    "Escriba valores menores de IR, D o épsilon");

}  // namespace Messages
