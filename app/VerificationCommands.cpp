#include "app/VerificationCommands.h"

#include "stone/CutFigures.h"
#include "stone/LightMap.h"
#include "stone/RecipeText.h"
#include "windows/FrmVerificacion.h"

namespace {

constexpr int progressMilliseconds = 100;

}  // namespace

VerificationCommands::VerificationCommands(QWidget &owner, TraceResolution resolution)
    : QObject(&owner), m_owner(owner), m_resolution(resolution), m_map(this), m_comparison(this) {
    m_progressTimer.setInterval(progressMilliseconds);
    connect(&m_progressTimer, &QTimer::timeout, this, &VerificationCommands::showProgress);
}

VerificationCommands::~VerificationCommands() = default;

void VerificationCommands::setCut(const CutResult &cut) {
    m_cut = cut;
    m_faceUpMap.reset();
    m_cuts.reset();
    if (m_window)
        traceAll();
}

void VerificationCommands::forgetCut() {
    m_cut.reset();
    if (m_window)
        m_window->close();
}

void VerificationCommands::open(const stone::CutChoices &choices) {
    if (!m_cut)
        return;
    if (!m_window) {
        m_window = new FrmVerificacion(&m_owner);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_window->setCutChoices(choices);
        connect(m_window, &FrmVerificacion::cutChoicesChanged, this,
                &VerificationCommands::takeCutChoices);
        connect(m_window, &FrmVerificacion::tiltChanged, this, &VerificationCommands::traceMap);
        connect(m_window, &FrmVerificacion::cancelRequested, this, &VerificationCommands::cancel);
        connect(m_window, &QObject::destroyed, this, &VerificationCommands::stopTracing);
        traceAll();
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void VerificationCommands::setCutChoices(const stone::CutChoices &choices) {
    if (!m_window)
        return;
    m_window->setCutChoices(choices);
    traceAll();
}

void VerificationCommands::takeCutChoices() {
    traceAll();
    emit cutChoicesChanged(m_window->cutChoices());
}

FrmVerificacion *VerificationCommands::window() const {
    return m_window;
}

std::optional<VerificationFigures> VerificationCommands::figures() const {
    if (!m_faceUpMap || !m_cuts)
        return std::nullopt;
    return VerificationFigures{m_stone, *m_faceUpMap, *m_cuts, m_headDeg};
}

void VerificationCommands::traceAll() {
    m_faceUpMap.reset();
    m_cuts.reset();
    const stone::Proportions proportions = stone::proportionsOf(*m_cut);
    if (!stone::isCuttable(proportions)) {
        cancel();
        m_window->showNoStone(stone::uncuttableMessage(m_cut->IR));
        return;
    }
    m_stone = stone::buildBrilliant(proportions, m_window->cutChoices());
    m_headDeg = m_window->headDeg();
    m_window->showStone(m_stone);
    traceMap();
    traceComparison();
}

void VerificationCommands::traceMap() {
    const stone::ConvexBody body(m_stone);
    const stone::ViewSettings settings{m_cut->IR, m_window->headDeg(), m_resolution.mapRays};
    const stone::Tilt tilt{double(m_window->tiltDeg()), 0};
    const auto map = std::make_shared<stone::LightMap>();
    m_map.start(
        stone::gridRays(body, settings, tilt),
        [=](const stone::TraceControl &control) {
            *map = stone::lightMap(
                stone::traceView(body, settings, tilt, stone::Samples::kept, control));
        },
        [this, map, faceUp = tilt.degrees == 0] {
            if (faceUp)
                m_faceUpMap = *map;
            m_window->showLightMap(*map);
        });
    showProgress();
}

void VerificationCommands::traceComparison() {
    const std::vector<stone::NamedCut> cuts =
        stone::cutsToCompare(stone::proportionsOf(*m_cut), m_window->cutChoices());
    const stone::ViewSettings settings{m_cut->IR, m_window->headDeg(), m_resolution.comparisonRays};
    const auto traced = std::make_shared<std::vector<stone::CutLight>>();
    m_comparison.start(
        stone::comparisonRays(cuts, settings),
        [=](const stone::TraceControl &control) {
            *traced = stone::compareCuts(cuts, settings, control);
        },
        [this, traced] {
            m_cuts = *traced;
            m_window->showComparison(*traced);
        });
    showProgress();
}

void VerificationCommands::cancel() {
    stopTracing();
    if (m_window)
        m_window->showFinished(QStringLiteral("Trazado cancelado."));
}

void VerificationCommands::stopTracing() {
    m_map.cancel();
    m_comparison.cancel();
    m_progressTimer.stop();
}

void VerificationCommands::showProgress() {
    if (!m_window)
        return;
    qint64 done = 0, total = 0;
    for (const BackgroundTrace *trace : {&m_map, &m_comparison}) {
        if (trace->isRunning()) {
            done += trace->raysDone();
            total += trace->totalRays();
        }
    }
    if (total == 0) {
        m_progressTimer.stop();
        m_window->showFinished(QStringLiteral("Trazado completo."));
        return;
    }
    m_window->showProgress(int(100 * done / total));
    m_progressTimer.start();
}
