#include "stone/CutSearch.h"

#include "stone/NelderMead.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <map>
#include <optional>

namespace stone {

namespace {

using Point = SearchSpace::Point;

constexpr double infeasible = -std::numeric_limits<double>::infinity();
// The simplex's first step along each axis and where it stops, in parts of
// the ranges: 4.5º and 0.3º of the crown's default range.
constexpr double simplexStep = 0.15;
constexpr double simplexTolerance = 0.01;
// What a simplex vertex loses per part of a range outside the bounds, in
// parts of the light: more than any cut within them can gain.
constexpr double outsidePenalty = 1;

// The point of the Halton sequence with this index in the unit cube: each
// coordinate is the index's digits in one of the first primes, mirrored
// about the point. It spreads points evenly with no random numbers.
Point haltonPoint(int index) {
    constexpr int bases[SearchSpace::dimensions] = {2, 3, 5, 7, 11};
    Point point;
    for (int k = 0; k < SearchSpace::dimensions; ++k) {
        double fraction = 1, value = 0;
        for (int i = index; i > 0; i /= bases[k]) {
            fraction /= bases[k];
            value += fraction * (i % bases[k]);
        }
        point[k] = value;
    }
    return point;
}

// Whether two points differ along some axis by at least spacing.
bool areApart(const Point &a, const Point &b, double spacing) {
    for (int k = 0; k < SearchSpace::dimensions; ++k) {
        if (std::abs(a[k] - b[k]) >= spacing)
            return true;
    }
    return false;
}

// How far a point lies outside the unit cube, summed over the axes.
double outsideDistance(const Point &point) {
    const Point inside = SearchSpace::clamped(point);
    double distance = 0;
    for (int k = 0; k < SearchSpace::dimensions; ++k)
        distance += std::abs(point[k] - inside[k]);
    return distance;
}

Point pointOf(const std::vector<double> &coordinates) {
    Point point;
    std::copy(coordinates.begin(), coordinates.end(), point.begin());
    return point;
}

double referenceVolume(const StoneDesign &design) {
    return buildBrilliant(design.proportions(), design.choices).volume;
}

QString optimisedName() {
    return QCoreApplication::translate("CutSearch", "Optimizada");
}

// The search of one problem, with the cuts traced so far by their point.
class CutSearcher {
public:
    CutSearcher(const SearchProblem &problem, const SearchControl &control)
        : problem_(problem),
          control_(control),
          space_(problem.bounds, problem.design.choices.girdlePercent,
                 referenceVolume(problem.design)),
          coarseAcross_(std::min(problem.budget.coarseRaysAcross, problem.fineRaysAcross)),
          coarseRays_(raysPerCut(coarseAcross_, fireOf(problem.objective))),
          fineRays_(raysPerCut(problem.fineRaysAcross, Fire::traced)) {
        if (!control_.progress)
            control_.progress = &ownProgress_;
    }

    SearchResult run() {
        const std::vector<NamedCut> starts = searchStartPoints(problem_);
        const SearchBudget &budget = problem_.budget;
        const std::vector<Point> scanned = scanPoints(starts);
        planCoarse(int(scanned.size()) + budget.simplexSearches * budget.simplexEvaluations);
        planFine(int(starts.size()) + budget.simplexSearches);
        for (const Point &point : scanned) {
            if (!coarseFigure(point, SearchStage::scan))
                return unfinished();
        }
        if (brightestFirst().empty())
            return noneFound();
        std::vector<Point> searched;
        for (const Point &seed : seeds()) {
            const std::optional<Point> best = refine(seed);
            if (!best)
                return unfinished();
            searched.push_back(*best);
        }
        return finish(searched, starts);
    }

private:
    // The start points, the Halton sequence's first points, and the corners
    // where the limits are met first.
    std::vector<Point> scanPoints(const std::vector<NamedCut> &starts) const {
        std::vector<Point> points;
        for (const NamedCut &start : starts)
            points.push_back(space_.pointOf(variablesOf(start)));
        for (int index = 1; index <= problem_.budget.scanPoints; ++index)
            points.push_back(haltonPoint(index));
        for (const Point &corner : space_.limitCorners())
            points.push_back(corner);
        return points;
    }

    // The rays of the computed cut at a grid: what a cut is expected to take.
    qint64 raysPerCut(int raysAcross, Fire fire) const {
        const NamedCut computed{{}, problem_.design.proportions(), problem_.design.choices};
        return comparisonRays({computed}, viewSettingsOf(problem_.design, raysAcross), fire);
    }

    void plan(int evaluations, qint64 raysEach) {
        control_.progress->evaluationsPlanned += evaluations;
        control_.progress->raysPlanned += evaluations * raysEach;
    }
    void planCoarse(int evaluations) { plan(evaluations, coarseRays_); }
    void planFine(int evaluations) { plan(evaluations, fineRays_); }

    // The final cuts' fire is traced whatever the objective, for the figures
    // shown beside the cut found.
    std::optional<CutLight> trace(const NamedCut &cut, int raysAcross, qint64 raysExpected,
                                  Fire fire) {
        if (control_.isCancelled())
            return std::nullopt;
        SearchProgress &progress = *control_.progress;
        const qint64 raysBefore = progress.raysDone;
        std::vector<CutLight> lights =
            compareCuts({cut}, viewSettingsOf(problem_.design, raysAcross),
                        {control_.cancel, &progress.raysDone}, fire);
        if (lights.empty())
            return std::nullopt;
        progress.raysPlanned += progress.raysDone - raysBefore - raysExpected;
        ++evaluations_;
        ++progress.evaluationsDone;
        return std::move(lights.front());
    }

    // The figure at the coarse grid of the cut at point, moved into the
    // bounds, traced once: infeasible when it misses the limits; nothing when
    // cancelled.
    std::optional<double> coarseFigure(const Point &point, SearchStage stage) {
        const Point inside = SearchSpace::clamped(point);
        if (const auto known = coarse_.find(inside); known != coarse_.end()) {
            planCoarse(-1);
            return known->second;
        }
        double figure = infeasible;
        if (space_.isFeasible(inside)) {
            const std::optional<CutLight> light = trace(space_.cutAt(inside, {}), coarseAcross_,
                                                        coarseRays_, fireOf(problem_.objective));
            if (!light)
                return std::nullopt;
            figure = objectiveFigure(*light, problem_.objective, problem_.fireWeight);
            control_.progress->record(stage, figure);
        } else {
            planCoarse(-1);
        }
        coarse_[inside] = figure;
        traced_.push_back(inside);
        return figure;
    }

    // The light at the fine grid of the cut at a point inside the bounds,
    // traced once; nothing when cancelled.
    std::optional<CutLight> fineLight(const Point &point) {
        if (const auto known = fine_.find(point); known != fine_.end()) {
            planFine(-1);
            return known->second;
        }
        std::optional<CutLight> light =
            trace(space_.cutAt(point, {}), problem_.fineRaysAcross, fineRays_, Fire::traced);
        if (light) {
            control_.progress->record(
                SearchStage::final,
                objectiveFigure(*light, problem_.objective, problem_.fireWeight));
            fine_[point] = *light;
        }
        return light;
    }

    // The feasible points traced so far, brightest first; equal ones in the
    // order traced.
    std::vector<Point> brightestFirst() const {
        std::vector<Point> points;
        std::copy_if(traced_.begin(), traced_.end(), std::back_inserter(points),
                     [this](const Point &point) { return coarse_.at(point) > infeasible; });
        std::stable_sort(points.begin(), points.end(), [this](const Point &a, const Point &b) {
            return coarse_.at(a) > coarse_.at(b);
        });
        return points;
    }

    // The brightest points, each apart from the brighter ones chosen.
    std::vector<Point> seeds() {
        const SearchBudget &budget = problem_.budget;
        std::vector<Point> chosen;
        for (const Point &point : brightestFirst()) {
            if (int(chosen.size()) == budget.simplexSearches)
                break;
            if (std::all_of(chosen.begin(), chosen.end(), [&](const Point &other) {
                    return areApart(point, other, budget.distinctSpacing);
                }))
                chosen.push_back(point);
        }
        const int missing = budget.simplexSearches - int(chosen.size());
        planCoarse(-missing * budget.simplexEvaluations);
        planFine(-missing);
        return chosen;
    }

    // The brightest cut of a simplex search from seed; nothing when cancelled.
    std::optional<Point> refine(const Point &seed) {
        const Objective darkness = [this](const std::vector<double> &x) -> std::optional<double> {
            const Point point = pointOf(x);
            const std::optional<double> figure = coarseFigure(point, SearchStage::refine);
            if (!figure)
                return std::nullopt;
            return -*figure + outsidePenalty * outsideDistance(point);
        };
        std::vector<double> steps(SearchSpace::dimensions);
        for (int k = 0; k < SearchSpace::dimensions; ++k)
            steps[k] = seed[k] + simplexStep <= 1 ? simplexStep : -simplexStep;
        const int budget = problem_.budget.simplexEvaluations;
        const SimplexMinimum minimum =
            nelderMead(darkness, {seed.begin(), seed.end()}, steps, budget, simplexTolerance);
        if (minimum.stopped)
            return std::nullopt;
        planCoarse(minimum.evaluations - budget);
        return SearchSpace::clamped(pointOf(minimum.point));
    }

    // The start points, then the searched cuts, at the fine grid: the
    // brightest wins, a start point over a searched cut as bright.
    SearchResult finish(const std::vector<Point> &searched, const std::vector<NamedCut> &starts) {
        SearchResult result;
        std::optional<Point> best;
        const auto consider = [&](const Point &point, const QString &start) {
            if (coarse_.at(point) == infeasible) {
                planFine(-1);
                return true;
            }
            const std::optional<CutLight> light = fineLight(point);
            if (!light)
                return false;
            const double figure = objectiveFigure(*light, problem_.objective, problem_.fireWeight);
            if (!best || figure > result.figure) {
                best = point;
                result.keptStartPoint = start;
                result.light = *light;
                result.figure = figure;
            }
            if (!start.isEmpty()) {
                result.startPoints.push_back(*light);
                result.startPoints.back().cut.name = start;
            }
            return true;
        };
        for (const NamedCut &start : starts) {
            if (!consider(space_.pointOf(variablesOf(start)), start.name))
                return unfinished();
        }
        for (const Point &point : searched) {
            if (!consider(point, {}))
                return unfinished();
        }
        describe(result, *best);
        result.complete = true;
        result.light.cut.name = optimisedName();
        return result;
    }

    // The brightest cut so far at the coarse grid, if any.
    SearchResult unfinished() const {
        SearchResult result;
        const std::vector<Point> points = brightestFirst();
        if (!points.empty()) {
            describe(result, points.front());
            result.figure = result.coarseFigure;
        }
        result.evaluations = evaluations_;
        return result;
    }

    SearchResult noneFound() const {
        SearchResult result;
        result.complete = true;
        result.evaluations = evaluations_;
        return result;
    }

    void describe(SearchResult &result, const Point &point) const {
        result.found = true;
        result.best = space_.cutAt(point, optimisedName());
        result.coarseFigure = coarse_.at(point);
        result.retentionPercent = space_.retentionPercent(point);
        result.evaluations = evaluations_;
    }

    const SearchProblem &problem_;
    SearchControl control_;
    SearchProgress ownProgress_;  // when the caller follows none
    SearchSpace space_;
    std::map<Point, double> coarse_;
    std::vector<Point> traced_;  // coarse_'s points in the order traced
    std::map<Point, CutLight> fine_;
    int coarseAcross_;
    qint64 coarseRays_, fineRays_;  // expected of a cut at each grid
    int evaluations_ = 0;
};

}  // namespace

double objectiveFigure(const CutLight &light, SearchObjective objective, double fireWeight) {
    const double mixed = (light.tiltedBrightness() + light.tiltedBrightnessCos()) / 2;
    switch (objective) {
        case SearchObjective::tiltedIso:
            return light.tiltedBrightness();
        case SearchObjective::tiltedCos:
            return light.tiltedBrightnessCos();
        case SearchObjective::withFire:
            return mixed + fireWeight * light.fire;
        case SearchObjective::mixedSky:
            break;
    }
    return mixed;
}

Fire fireOf(SearchObjective objective) {
    return objective == SearchObjective::withFire ? Fire::traced : Fire::skipped;
}

std::vector<NamedCut> searchStartPoints(const SearchProblem &problem) {
    const StoneDesign &design = problem.design;
    const SearchSpace space(problem.bounds, design.choices.girdlePercent, 1);
    const auto moved = [&space](const NamedCut &cut) {
        return space.cutAt(space.pointOf(variablesOf(cut)), cut.name);
    };
    std::vector<NamedCut> starts{moved({computedCutName(), design.proportions(), design.choices})};
    for (const NamedCut &classic : classicCuts())
        starts.push_back(moved(classic));
    return starts;
}

SearchResult searchBrightestCut(const SearchProblem &problem, const SearchControl &control) {
    return CutSearcher(problem, control).run();
}

QString noCutWithinLimits() {
    return QCoreApplication::translate(
        "CutSearch",
        "Ninguna talla dentro de los intervalos pedidos cumple los límites de profundidad y de "
        "retención.");
}

StoneDesign designWithCut(const StoneDesign &design, const NamedCut &cut) {
    StoneDesign made = design;
    made.optimised = cut.proportions;
    // Lengths to a tenth of a per cent, as a cutter marks them.
    const auto tenth = [](double percent) { return std::round(percent * 10) / 10; };
    made.choices.starPercent = tenth(cut.choices.starPercent);
    made.choices.lowerGirdlePercent = tenth(cut.choices.lowerGirdlePercent);
    return made;
}

}  // namespace stone
