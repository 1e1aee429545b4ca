#pragma once

#include "stone/CutComparison.h"
#include "stone/CutFigures.h"
#include "stone/VerificationFigures.h"

#include <QString>
#include <vector>

class QPainter;
struct CutSheetContent;

// What the bold face in the comparison means.
QString bestValuesNote();

// A share of light as the verification shows it: "41.3 %".
QString percentText(double share);

// Whether a cut's figure in column shows as the best of the column: only in
// the column that ranks cuts, and cuts that tie with the best as written are
// marked alike.
bool showsBest(const std::vector<stone::CutLight> &cuts, const stone::FigureColumn &column,
               std::size_t cut);

// The cut sheet's page after the recipe, in millimetres from the paper's
// top-left corner: the stone in 3-D and its light map side by side, the
// choices it was cut and seen with, the brightness against the tilt, and
// the comparison table with the best value of each column in bold.
void paintVerificationPage(QPainter &painter, const CutSheetContent &content);
