#pragma once

#include "stone/Brilliant.h"
#include "windows/PictureView.h"

// The facet diagram of a round brilliant on a light panel, drawn in vectors
// through a painter canvas at whatever size the window gives it; blank
// until it has a stone.
class FacetDiagramView : public PictureView {
    Q_OBJECT

public:
    using PictureView::PictureView;

    void showStone(const stone::Brilliant &stone);
    // Blank again, until the next stone.
    void clear();
};
