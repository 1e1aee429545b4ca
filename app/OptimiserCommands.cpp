#include "app/OptimiserCommands.h"

#include "app/CurrentDesign.h"
#include "stone/LightMap.h"
#include "stone/RecipeText.h"
#include "windows/FrmOptimizar.h"

namespace {

constexpr int progressMilliseconds = 100;
// The map of the cut found, as the verification window's.
constexpr int mapRays = 320;

// Whether a search from a gives what one from b would: the same computed
// cut, girdle, index, width and viewer; the cut the design uses does not
// matter.
bool sameSearch(const stone::StoneDesign &a, const stone::StoneDesign &b) {
    stone::StoneDesign computedA = a, computedB = b;
    computedA.optimised.reset();
    computedB.optimised.reset();
    computedB.choices.starPercent = computedA.choices.starPercent;
    computedB.choices.lowerGirdlePercent = computedA.choices.lowerGirdlePercent;
    return stone::sameLight(computedA, computedB) && a.D == b.D;
}

// What the search found, and the light map of the cut.
struct Found {
    stone::SearchResult result;
    stone::Brilliant stone;
    stone::LightMap map;
};

}  // namespace

OptimiserCommands::OptimiserCommands(QWidget &owner, CurrentDesign &design, SearchEffort effort)
    : QObject(&owner), m_owner(owner), m_design(design), m_effort(effort), m_search(this) {
    m_progressTimer.setInterval(progressMilliseconds);
    connect(&m_progressTimer, &QTimer::timeout, this, &OptimiserCommands::showProgress);
    connect(&design, &CurrentDesign::changed, this, &OptimiserCommands::showDesign);
    connect(&design, &CurrentDesign::cleared, this, &OptimiserCommands::close);
}

OptimiserCommands::~OptimiserCommands() = default;

void OptimiserCommands::open() {
    if (!m_design.design())
        return;
    if (!m_window) {
        m_window = new FrmOptimizar(&m_owner);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
        m_searched.reset();
        m_result.reset();
        connect(m_window, &FrmOptimizar::searchRequested, this, &OptimiserCommands::search);
        connect(m_window, &FrmOptimizar::cancelRequested, this, &OptimiserCommands::cancel);
        connect(m_window, &FrmOptimizar::useRequested, this, &OptimiserCommands::useResult);
        connect(m_window, &QObject::destroyed, this, [this] {
            m_search.cancel();
            m_progressTimer.stop();
        });
        showDesign();
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

FrmOptimizar *OptimiserCommands::window() const {
    return m_window;
}

void OptimiserCommands::showDesign() {
    const stone::StoneDesign *design = m_design.design();
    if (!m_window || !design)
        return;
    m_window->showDesign(*design);
    if (m_searched && !sameSearch(*m_searched, *design)) {
        m_search.cancel();
        m_progressTimer.stop();
        m_searched.reset();
        m_result.reset();
        m_window->clearResult();
        m_window->showFinished(
            tr("La talla, el filetín o el observador han cambiado: busque de "
               "nuevo."));
    }
}

void OptimiserCommands::close() {
    if (m_window)
        m_window->close();
}

void OptimiserCommands::search(const stone::SearchBounds &bounds,
                               stone::SearchObjective objective) {
    const stone::StoneDesign *design = m_design.design();
    if (!design)
        return;
    if (!stone::isCuttable(stone::proportionsOf(design->cut))) {
        m_window->showFinished(stone::uncuttableMessage(design->material.refractiveIndex));
        return;
    }
    if (!stone::isEyeClear(*design)) {
        m_window->showFinished(stone::eyeTooCloseMessage(*design));
        return;
    }
    stone::StoneDesign from = *design;
    from.optimised.reset();
    m_searched = from;
    m_result.reset();
    m_window->clearResult();
    stone::SearchProblem problem;
    problem.design = from;
    problem.bounds = bounds;
    problem.objective = objective;
    problem.budget = m_effort.budget;
    problem.fineRaysAcross = m_effort.fineRaysAcross;
    m_progress = std::make_shared<stone::SearchProgress>();
    const auto found = std::make_shared<Found>();
    m_search.start(
        0,
        [problem, found, progress = m_progress](const stone::TraceControl &control) {
            found->result = stone::searchBrightestCut(problem, {control.cancel, progress.get()});
            if (!found->result.complete || !found->result.found)
                return;
            const stone::NamedCut &best = found->result.best;
            found->stone = stone::buildBrilliant(best.proportions, best.choices);
            const stone::StoneDesign used = stone::designWithCut(problem.design, best);
            found->map = stone::lightMap(stone::traceView(stone::ConvexBody(found->stone),
                                                          stone::viewSettingsOf(used, mapRays), {},
                                                          stone::Samples::kept, control));
        },
        [this, found] {
            m_progressTimer.stop();
            if (!found->result.found) {
                m_window->showFinished(stone::noCutWithinLimits());
                return;
            }
            m_result = found->result;
            m_window->showResult(found->result, found->stone, found->map);
        });
    showProgress();
}

void OptimiserCommands::showProgress() {
    if (!m_window || !m_search.isRunning())
        return;
    const qint64 planned = std::max<qint64>(1, m_progress->raysPlanned);
    m_window->showSearch(int(std::min<qint64>(100, 100 * m_progress->raysDone / planned)),
                         m_progress->steps());
    m_progressTimer.start();
}

void OptimiserCommands::cancel() {
    m_search.cancel();
    m_progressTimer.stop();
    if (m_window)
        m_window->showFinished(tr("Búsqueda cancelada."));
}

void OptimiserCommands::useResult() {
    if (m_result)
        m_design.useCut(m_result->best);
}
