#pragma once

#include "stone/CutComparison.h"
#include "stone/LightMap.h"

#include <QWidget>
#include <memory>

struct CutChoiceFields;
namespace Ui {
class FrmVerificacion;
}

// The verification window, built from FrmVerificacion.ui: the stone in 3-D,
// turned by hand; its light map with the tilt it is traced at; the ISO
// brightness against the tilt and the comparison table of the computed cut
// and the classic ones; the cut's choices and the viewer's head; and the
// progress of the tracing, which the user may cancel. It reports every
// change at once; the program's commands trace the light and show it.
class FrmVerificacion : public QWidget {
    Q_OBJECT

public:
    explicit FrmVerificacion(QWidget *parent = nullptr);
    ~FrmVerificacion() override;

    // The girdle and the lengths of stars and lower halves as chosen.
    stone::CutChoices cutChoices() const;
    // Sets them without reporting them as changed.
    void setCutChoices(const stone::CutChoices &choices);
    // The half angle of the cone about the zenith that the viewer's head hides.
    double headDeg() const;
    // The tilt of the light map, 0 to 30 degrees.
    int tiltDeg() const;

    void showStone(const stone::Brilliant &stone);
    void showLightMap(const stone::LightMap &map);
    // The tilt curves and the table, the computed cut first.
    void showComparison(const std::vector<stone::CutLight> &cuts);

    // While the light is traced, the progress in % and the button that
    // cancels it; after, what became of it.
    void showProgress(int percent);
    void showFinished(const QString &status);
    // No stone can be cut: blank pictures and table, and why.
    void showNoStone(const QString &reason);

signals:
    void cutChoicesChanged();  // girdle, stars, lower halves or the viewer's head
    void tiltChanged();
    void cancelRequested();

private:
    CutChoiceFields choiceFields() const;
    void connectFields();
    void fillTable(const std::vector<stone::CutLight> &cuts);

    std::unique_ptr<Ui::FrmVerificacion> m_ui;
};
