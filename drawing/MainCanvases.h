#pragma once

#include <QSize>

class PainterCanvas;

// The two drawing areas of the main window, set up as the window shows them,
// for the window itself and for anything that renders them on its own.

// Outer sizes in pixels, border included (7575 x 5175 and 3225 x 3855 twips),
// and the interiors inside the sunken border two pixels wide.
inline constexpr QSize picture1Size{505, 345};
inline constexpr QSize picture2Size{215, 257};
inline constexpr QSize picture1Interior = picture1Size - QSize(4, 4);
inline constexpr QSize picture2Interior = picture2Size - QSize(4, 4);

// Picture1: measured in twips, background #FFC080, Arial 9.
void setUpPicture1(PainterCanvas &picture1);
// Picture2: a horizontal unit of 219/224 twip and a vertical unit of one
// twip, background #FFE0C0, MS Sans Serif 8.25.
void setUpPicture2(PainterCanvas &picture2);
