#pragma once

class QPainter;
struct CutSheetContent;

// The cut sheet's second page, in millimetres from the paper's top-left
// corner: the facet diagram of the round brilliant with its legend, the
// cutting recipe as a table and the stone's measures and weight; or, for a
// cut that makes no brilliant, why not.
void paintRecipePage(QPainter &painter, const CutSheetContent &content);
