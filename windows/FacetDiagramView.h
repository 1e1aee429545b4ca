#pragma once

#include "stone/Brilliant.h"

#include <QWidget>
#include <optional>

// The facet diagram of a round brilliant on a light panel, drawn in vectors
// through a painter canvas at whatever size the window gives it; blank
// until it has a stone.
class FacetDiagramView : public QWidget {
    Q_OBJECT

public:
    explicit FacetDiagramView(QWidget *parent = nullptr);

    void showStone(const stone::Brilliant &stone);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<stone::Brilliant> m_stone;
};
