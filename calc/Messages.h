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
// decimals, or too large). Three-decimal IRs below 500000 are matched; from
// about 566000 up a few are not (566005.357, 600030.647).
inline const QString irUnmatched = QStringLiteral(
    "No hay solución para este IR: escriba IR con tres decimales como máximo "
    "(por ejemplo 2.419) y menor que 500000.");
// A value or result too large to compute, draw or print.
inline const QString outOfScale = QStringLiteral(
    "Valores fuera de escala: un valor o un resultado es demasiado grande. "
    "Escriba valores menores de IR, D o épsilon.");

}  // namespace Messages
