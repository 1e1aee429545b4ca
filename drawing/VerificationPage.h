#pragma once

#include "stone/CutComparison.h"
#include "stone/CutFigures.h"
#include "stone/LightMap.h"

#include <QString>
#include <vector>

class QPainter;
struct CutSheetContent;

// What the verification in 3-D adds to the cut sheet: the stone as cut, its
// light map face up, and its light beside the classic cuts', the computed
// cut first.
struct VerificationFigures {
    stone::Brilliant stone;
    stone::LightMap faceUpMap;
    std::vector<stone::CutLight> cuts;
    double headDeg = 0;  // the viewer's head, as traced
};

// A share of light as the verification shows it: "41.3 %".
QString percentText(double share);

// Whether a cut's figure in column shows as the best of the column: cuts
// that tie with the best as written are marked alike.
bool showsBest(const std::vector<stone::CutLight> &cuts, const stone::FigureColumn &column,
               std::size_t cut);

// The cut sheet's page after the recipe, in millimetres from the paper's
// top-left corner: the stone in 3-D and its light map side by side, the
// choices it was cut and seen with, the brightness against the tilt, and
// the comparison table with the best value of each column in bold.
void paintVerificationPage(QPainter &painter, const CutSheetContent &content);
