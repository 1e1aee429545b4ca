#include "app/VerificationCommands.h"

#include "app/CurrentDesign.h"
#include "stone/ColourTracer.h"
#include "stone/CutFigures.h"
#include "stone/LightMap.h"
#include "stone/RecipeText.h"
#include "windows/FrmVerificacion.h"

namespace {

constexpr int progressMilliseconds = 100;

}  // namespace

VerificationCommands::VerificationCommands(QWidget &owner, CurrentDesign &design,
                                           TraceResolution resolution)
    : QObject(&owner),
      m_owner(owner),
      m_design(design),
      m_resolution(resolution),
      m_faceUp(this),
      m_tilted(this),
      m_comparison(this) {
    m_progressTimer.setInterval(progressMilliseconds);
    connect(&m_progressTimer, &QTimer::timeout, this, &VerificationCommands::showProgress);
    connect(&design, &CurrentDesign::changed, this, &VerificationCommands::showDesign);
    connect(&design, &CurrentDesign::cleared, this, &VerificationCommands::close);
}

VerificationCommands::~VerificationCommands() = default;

void VerificationCommands::open() {
    if (!m_design.design())
        return;
    if (!m_window) {
        m_window = new FrmVerificacion(&m_owner);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_tiltDeg = 0;
        m_traced.reset();
        connect(m_window, &FrmVerificacion::valueEdited, &m_design, &CurrentDesign::setValue);
        connect(m_window, &FrmVerificacion::tiltChanged, this, &VerificationCommands::showTilt);
        connect(m_window, &FrmVerificacion::cancelRequested, this, &VerificationCommands::cancel);
        connect(m_window, &QObject::destroyed, this, &VerificationCommands::stopTracing);
        showDesign();
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

FrmVerificacion *VerificationCommands::window() const {
    return m_window;
}

std::optional<stone::VerificationFigures> VerificationCommands::figures() const {
    // Traced whole, and of the design as it is now: the window may have
    // closed on a design since changed.
    const stone::StoneDesign *design = m_design.design();
    if (!m_faceUpPictures || !m_cuts || !design || !stone::sameLight(*m_traced, *design))
        return std::nullopt;
    return stone::VerificationFigures{*m_traced, m_stone, m_faceUpPictures->map, *m_cuts,
                                      m_faceUpPictures->colour};
}

void VerificationCommands::showDesign() {
    const stone::StoneDesign *design = m_design.design();
    if (!m_window || !design)
        return;
    m_window->showDesign(*design);
    // The gear, the density and the width do not change the light.
    if (!m_traced || !stone::sameLight(*m_traced, *design))
        traceAll();
}

void VerificationCommands::close() {
    if (m_window)
        m_window->close();
}

void VerificationCommands::traceAll() {
    m_traced = *m_design.design();
    m_faceUpPictures.reset();
    m_cuts.reset();
    m_shownMapTilt = -1;
    const stone::Proportions proportions = m_traced->proportions();
    if (!stone::isCuttable(proportions) || !stone::isEyeClear(*m_traced)) {
        stopTracing();
        m_window->showNoStone(stone::isCuttable(proportions)
                                  ? stone::eyeTooCloseMessage(*m_traced)
                                  : stone::uncuttableMessage(m_traced->material.refractiveIndex));
        return;
    }
    m_stone = stone::buildBrilliant(proportions, m_traced->choices);
    m_window->showStone(m_stone);
    m_window->showComparisonOutdated();
    traceMap(m_faceUp, 0);
    if (m_tiltDeg != 0)
        traceMap(m_tilted, m_tiltDeg);
    traceComparison();
}

void VerificationCommands::showTilt(int degrees) {
    m_tiltDeg = degrees;
    if (!m_traced || !stone::isCuttable(m_traced->proportions()) || !stone::isEyeClear(*m_traced))
        return;
    if (degrees != 0) {
        traceMap(m_tilted, degrees);
        return;
    }
    m_tilted.cancel();
    if (m_faceUpPictures)
        showPictures(*m_faceUpPictures, 0);
    showProgress();
}

void VerificationCommands::traceMap(BackgroundTrace &trace, int tiltDeg) {
    const stone::ConvexBody body(m_stone);
    const stone::ViewSettings mapSettings = stone::viewSettingsOf(*m_traced, m_resolution.mapRays);
    const stone::ViewSettings colourSettings =
        stone::viewSettingsOf(*m_traced, m_resolution.colourRays);
    const stone::Tilt tilt{double(tiltDeg), 0};
    const auto pictures = std::make_shared<ViewPictures>();
    trace.start(
        stone::gridRays(body, mapSettings, tilt) + stone::colourRays(body, colourSettings, tilt),
        [=](const stone::TraceControl &control) {
            pictures->map = stone::lightMap(
                stone::traceView(body, mapSettings, tilt, stone::Samples::kept, control));
            pictures->colour = stone::traceColourView(body, colourSettings, tilt, control);
        },
        [this, pictures, tiltDeg] {
            if (tiltDeg == 0)
                m_faceUpPictures = *pictures;
            if (tiltDeg == m_tiltDeg)
                showPictures(*pictures, tiltDeg);
        });
    showProgress();
}

void VerificationCommands::showPictures(const ViewPictures &pictures, int tiltDeg) {
    m_window->showLightMap(pictures.map);
    m_window->showColourView(pictures.colour);
    m_shownMapTilt = tiltDeg;
}

void VerificationCommands::traceComparison() {
    const std::vector<stone::NamedCut> cuts = stone::cutsToCompare(*m_traced);
    const stone::ViewSettings settings =
        stone::viewSettingsOf(*m_traced, m_resolution.comparisonRays);
    const auto traced = std::make_shared<std::vector<stone::CutLight>>();
    m_comparison.start(
        stone::comparisonRays(cuts, settings, stone::Fire::traced),
        [=](const stone::TraceControl &control) {
            *traced = stone::compareCuts(cuts, settings, control, stone::Fire::traced);
        },
        [this, traced] {
            m_cuts = *traced;
            m_window->showComparison(*traced);
        });
    showProgress();
}

void VerificationCommands::cancel() {
    stopTracing();
    showProgress();
}

void VerificationCommands::stopTracing() {
    for (BackgroundTrace *trace : {&m_faceUp, &m_tilted, &m_comparison})
        trace->cancel();
    m_progressTimer.stop();
}

void VerificationCommands::showProgress() {
    if (!m_window)
        return;
    qint64 done = 0, total = 0;
    for (const BackgroundTrace *trace : {&m_faceUp, &m_tilted, &m_comparison}) {
        if (trace->isRunning()) {
            done += trace->raysDone();
            total += trace->totalRays();
        }
    }
    if (total == 0) {
        m_progressTimer.stop();
        const bool whole = m_faceUpPictures && m_cuts && m_shownMapTilt == m_tiltDeg;
        m_window->showFinished(whole ? tr("Trazado completo.") : tr("Trazado cancelado."));
        return;
    }
    m_window->showProgress(int(100 * done / total));
    m_progressTimer.start();
}
