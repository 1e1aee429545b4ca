#include "drawing/MainCanvases.h"

#include "drawing/CanvasFonts.h"
#include "drawing/PainterCanvas.h"

void setUpPicture1(PainterCanvas &picture1) {
    picture1.setUnits(1, 1);
    picture1.setBackground(QColor(255, 192, 128));
    picture1.setTextFont(arialFont(9));
}

void setUpPicture2(PainterCanvas &picture2) {
    picture2.setUnits(219.0 / 224.0, 1);
    picture2.setBackground(QColor(255, 224, 192));
    picture2.setTextFont(msSansSerifFont(8.25));
}
