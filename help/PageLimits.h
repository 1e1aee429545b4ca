#pragma once

#include <QString>

// The limits of stone/DesignLimits.h where a help page asks for them, so that
// the pages never repeat a number the program may change: a comment
// <!--límite:NAME--> becomes the range of that value as "0 a 10", and
// <!--límite:ruedas--> the index gears as "64, 72, 80, 96 o 120". The names:
// filetín, estrellas, medias, densidad, cabeza, distancia (without its 0,
// the eye at infinity), rayos and ruedas; and the search's ranges and
// limits: mesa buscada, corona buscada, pabellón buscado, estrellas
// buscadas, medias buscadas, profundidad máxima and retención mínima.
QString withDesignLimits(QString html);
