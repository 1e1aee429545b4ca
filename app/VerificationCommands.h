#pragma once

#include "app/BackgroundTrace.h"
#include "calc/CutResult.h"
#include "drawing/VerificationPage.h"
#include "stone/Brilliant.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class FrmVerificacion;
class QWidget;

// "&Verificación 3-D…": the verification window of the cut the drawing areas
// show, one at most, owned by the main window. Its light is traced on the
// thread pool while the window stays responsive: the light map again when
// the tilt changes, everything when a choice does. A new request cancels
// the same one still running; the window's button and closing it cancel
// them all.
// Rays across each traced view: many for the map, which shows them, fewer
// for the comparison's 52 views, whose figures are means.
struct TraceResolution {
    int mapRays = 160;
    int comparisonRays = 80;
};

class VerificationCommands : public QObject {
    Q_OBJECT

public:
    explicit VerificationCommands(QWidget &owner, TraceResolution resolution = {});
    ~VerificationCommands() override;

    // A new cut: an open window shows it at once.
    void setCut(const CutResult &cut);
    // The drawings were cleared: there is no cut, and the window closes.
    void forgetCut();
    // Opens the window on the cut with these choices to start with, or brings
    // it to the front.
    void open(const stone::CutChoices &choices);

    // The girdle, stars and lower halves chosen elsewhere: an open window
    // shows them and traces again.
    void setCutChoices(const stone::CutChoices &choices);

    FrmVerificacion *window() const;
    // For the cut sheet, the verification of the choices last shown, once its
    // face-up map and its comparison have been traced whole.
    std::optional<VerificationFigures> figures() const;

signals:
    // The user chose them, or the viewer's head, in the verification window.
    void cutChoicesChanged(const stone::CutChoices &choices);

private:
    void takeCutChoices();
    void traceAll();
    void traceMap();
    void traceComparison();
    void cancel();
    // Stops both traces without touching the window, which may be going.
    void stopTracing();
    void showProgress();

    QWidget &m_owner;
    TraceResolution m_resolution;
    QPointer<FrmVerificacion> m_window;
    std::optional<CutResult> m_cut;
    // What has been traced of the window's choices.
    stone::Brilliant m_stone;
    double m_headDeg = 0;
    std::optional<stone::LightMap> m_faceUpMap;
    std::optional<std::vector<stone::CutLight>> m_cuts;
    BackgroundTrace m_map;
    BackgroundTrace m_comparison;
    QTimer m_progressTimer;
};
