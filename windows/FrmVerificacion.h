#pragma once

#include "stone/ColourTracer.h"
#include "stone/CutComparison.h"
#include "stone/LightMap.h"
#include "stone/StoneDesign.h"

#include <QWidget>
#include <memory>

class DesignFields;
namespace Ui {
class FrmVerificacion;
}

// The verification window, built from FrmVerificacion.ui: the stone in 3-D,
// turned by hand; its light map with the tilt it is traced at; the ISO
// brightness against the tilt and the comparison table of the computed cut
// and the classic ones; the cut's choices, its material and the viewer's
// head; and the progress of the tracing, which the user may cancel, also
// with Escape (which closes the window when nothing is traced). It shows
// what it is given and reports every change at once; the program's commands
// trace the light and show it.
class FrmVerificacion : public QWidget {
    Q_OBJECT

public:
    explicit FrmVerificacion(QWidget *parent = nullptr);
    ~FrmVerificacion() override;

    // The design's choices, material and viewer.
    void showDesign(const stone::StoneDesign &design);
    void showStone(const stone::Brilliant &stone);
    void showLightMap(const stone::LightMap &map);
    // The stone in colour under the lamps, at the map's tilt.
    void showColourView(const stone::ColourView &view);
    // The tilt curves and the table, the computed cut first.
    void showComparison(const std::vector<stone::CutLight> &cuts);
    // The curves and the table shown are of an earlier design: they stay,
    // greyed, until the comparison of this one is shown.
    void showComparisonOutdated();

    // While the light is traced, the progress in % and the button that
    // cancels it; after, what became of it.
    void showProgress(int percent);
    void showFinished(const QString &status);
    // No stone can be cut: blank pictures and table, and why.
    void showNoStone(const QString &reason);

signals:
    void valueEdited(stone::DesignValue value, double number);
    void tiltChanged(int degrees);  // of the light map, 0 to 30
    void cancelRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void connectControls();
    void fillTable(const std::vector<stone::CutLight> &cuts);
    void setComparisonCurrent(bool current);
    bool isTracing() const;

    std::unique_ptr<Ui::FrmVerificacion> m_ui;
    DesignFields *m_fields = nullptr;
};
