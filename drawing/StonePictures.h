#pragma once

#include "stone/ColourTracer.h"
#include "stone/CutComparison.h"
#include "stone/LightMap.h"
#include "stone/SearchProgress.h"
#include "stone/StoneView.h"

#include <QColor>
#include <vector>

class PainterCanvas;
class QRectF;

// The pictures of the verification in 3-D, drawn through a painter canvas in
// its units, so that the window, the cut sheet and its files show the same.

// The stone as turned, its faces filled by their shade and outlined, centred
// in area and as large as every turn of it allows.
void drawStone(PainterCanvas &canvas, const QRectF &area, const stone::StoneView &view);

// The light map, square cells, centred in area and as large as it allows;
// where rays miss the stone the canvas shows through.
void drawLightMap(PainterCanvas &canvas, const QRectF &area, const stone::LightMap &map);

// The stone in colour under the lamps, drawn like the light map.
void drawColourView(PainterCanvas &canvas, const QRectF &area, const stone::ColourView &view);

// The colour each cut's curve has, in the order of the cuts: the computed
// cut's first.
QColor curveColour(std::size_t cut);

// The search for the brightest cut as it goes: each traced cut's figure in %
// as a dot against its number, and the best so far as a line, the coarse
// grid's and then the fine one's.
void drawSearchCurve(PainterCanvas &canvas, const QRectF &area,
                     const std::vector<stone::SearchStep> &steps);

// The ISO brightness in % against the tilt in degrees, one curve for each cut
// in its colour, with both axes marked and the cuts named in their colours
// below.
void drawTiltCurves(PainterCanvas &canvas, const QRectF &area,
                    const std::vector<stone::CutLight> &cuts);
