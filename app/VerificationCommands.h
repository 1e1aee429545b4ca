#pragma once

#include "app/BackgroundTrace.h"
#include "stone/ColourTracer.h"
#include "stone/VerificationFigures.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class CurrentDesign;
class FrmVerificacion;
class QWidget;

// Rays across each traced view: many for the maps, which show them, fewer
// for the comparison's 52 views, whose figures are means.
struct TraceResolution {
    int mapRays = 320;
    int comparisonRays = 80;
    int colourRays = 240;  // each traced at sixteen wavelengths
};

// "&Verificación 3-D…": the verification window of the design, one at most,
// owned by the main window. Its light is traced in the background while the
// window stays responsive: when the design's light changes, the face-up map
// (kept for the cut sheet) and the comparison; when the tilt does, the
// tilted map. A new trace cancels the same one still running; the window's
// button, Escape and closing it cancel them all.
class VerificationCommands : public QObject {
    Q_OBJECT

public:
    VerificationCommands(QWidget &owner, CurrentDesign &design, TraceResolution resolution = {});
    ~VerificationCommands() override;

    // Opens the window on the design, or brings it to the front.
    void open();
    FrmVerificacion *window() const;
    // For the cut sheet: the verification of the design, once its face-up
    // map and its comparison have been traced whole.
    std::optional<stone::VerificationFigures> figures() const;

private:
    void showDesign();
    void close();
    void traceAll();
    void traceMap(BackgroundTrace &trace, int tiltDeg);
    void traceComparison();
    void showTilt(int degrees);
    // A view's light map and colours, traced together.
    struct ViewPictures {
        stone::LightMap map;
        stone::ColourView colour;
    };
    void showPictures(const ViewPictures &pictures, int tiltDeg);
    void cancel();
    // Stops every trace without touching the window, which may be going.
    void stopTracing();
    void showProgress();

    QWidget &m_owner;
    CurrentDesign &m_design;
    TraceResolution m_resolution;
    QPointer<FrmVerificacion> m_window;
    int m_tiltDeg = 0;        // of the map the window is to show
    int m_shownMapTilt = -1;  // of the map it shows of the design traced; -1: none
    // The design whose light is traced, and what has been of it.
    std::optional<stone::StoneDesign> m_traced;
    stone::Brilliant m_stone;
    std::optional<ViewPictures> m_faceUpPictures;
    std::optional<std::vector<stone::CutLight>> m_cuts;
    BackgroundTrace m_faceUp;
    BackgroundTrace m_tilted;
    BackgroundTrace m_comparison;
    QTimer m_progressTimer;
};
