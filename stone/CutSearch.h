#pragma once

#include "stone/CutComparison.h"
#include "stone/SearchProgress.h"
#include "stone/SearchSpace.h"
#include "stone/StoneDesign.h"

#include <QString>
#include <vector>

// The search for the brightest round brilliant that a cutter can make of a
// material, for a viewer: its table, crown and pavilion angles, stars and
// lower halves within the bounds, its girdle the cutter's.
//
// The figure it makes largest is averaged over the 13 views of tiltSeries(),
// so that a degree more or less of the viewer's head cannot reverse two
// cuts. Every cut is traced on one fixed jittered grid (the camera grid's
// jitter is fixed per cell), so the figure is a fixed function of the five
// proportions, smooth but for steps too small to stop a simplex, and the
// same input gives the same cut on every run and any number of threads.
//
// In three stages: the start points (the computed cut and the classic ones,
// moved into the bounds) and a scan of the bounds by a Halton sequence, at a
// coarse grid; a Nelder–Mead simplex search from each of the best distinct
// points, at the same grid; then the best cut of each simplex and the start
// points again at the fine grid, where the brightest wins. The result is
// therefore never darker at the fine grid than the brightest start point
// that meets the limits; when none of the searched cuts beats it, that start
// point is the result.
namespace stone {

// What the search makes largest, each averaged over the views of tiltSeries().
enum class SearchObjective {
    // The mean of the next two: bright under a uniform sky and under a room's
    // overhead light alike. The default.
    mixedSky,
    // Under the uniform (ISO) sky: light from near the horizon counts as
    // much as light from above, so a stone that returns mostly low light
    // looks bright here and dull under overhead light.
    tiltedIso,
    // Under the cosine sky: light counted by its height, as from a lamp above.
    tiltedCos,
    // The mixed sky's, plus the fire under the lamps (ColourTracer.h)
    // times a weight.
    withFire,
};

// The objective's figure of a cut's light, as a fraction of the light
// entering; fireWeight counts only with fire.
double objectiveFigure(const CutLight &light, SearchObjective objective, double fireWeight = 0);
// Whether the objective needs the cuts' fire traced.
Fire fireOf(SearchObjective objective);

// How much the search traces. The defaults trace some 350 cuts at the coarse
// grid and 8 at the fine one.
struct SearchBudget {
    // The grid of the scan and of the simplex searches, unless the fine one is coarser.
    int coarseRaysAcross = 32;
    int scanPoints = 32;           // besides the start points
    int simplexSearches = 4;       // from the best points at least distinctSpacing apart
    int simplexEvaluations = 80;   // each; fewer when it closes in earlier
    double distinctSpacing = 0.2;  // along one axis at least, in parts of its range
};

// What to search for. The design gives the computed cut, which is a start
// point and the cut whose volume the retention is measured against (it must
// be isCuttable), its girdle, its stars' and lower halves' lengths for that
// start point, the material's index, the width D and the viewer.
struct SearchProblem {
    StoneDesign design;
    SearchBounds bounds;
    SearchObjective objective = SearchObjective::mixedSky;
    int fineRaysAcross = 160;  // the final grid: that of a check in 3-D
    SearchBudget budget;
    double fireWeight = 0.5;  // of the fire, with SearchObjective::withFire
};

struct SearchResult {
    // False when cancelled: best is then the brightest cut so far at the
    // coarse grid, without its light.
    bool complete = false;
    // False when no cut within the bounds met the depth and retention limits.
    bool found = false;
    NamedCut best;                // named "Optimizada"
    CutLight light;               // best's, at the fine grid, when complete
    double figure = 0;            // the objective's, at the fine grid when complete
    double coarseFigure = 0;      // the objective's at the coarse grid
    double retentionPercent = 0;  // best's volume against the computed cut's
    // The start point returned when no searched cut beat it at the fine
    // grid; empty when a searched one did.
    QString keptStartPoint;
    // The start points that meet the limits, as searched (with the design's
    // girdle, within the bounds), traced at the fine grid when complete.
    std::vector<CutLight> startPoints;
    int evaluations = 0;  // cuts traced, at either grid
};

// The start points: the design's computed cut, named "Calculada", then the
// classic cuts, each with the design's girdle and moved into the bounds.
std::vector<NamedCut> searchStartPoints(const SearchProblem &problem);

// Runs the search on the calling thread; each cut is traced on all cores of
// Qt's shared pool, which it waits for, so the caller must not be a thread of
// that pool. The bounds lie within the search's limits (stone/DesignLimits.h)
// with low <= high. Cancelled, it returns soon, within the view being traced,
// with what it has.
SearchResult searchBrightestCut(const SearchProblem &problem, const SearchControl &control = {});

// Why a search found no cut: none within the bounds met the limits.
QString noCutWithinLimits();

// The design with the cut instead of the computed one, for its recipe, its
// check in 3-D and its sheet: the cut's proportions, stars and lower halves,
// the design's girdle, material, gear and viewer. The computed cut stays, for
// the profile that the main window draws.
StoneDesign designWithCut(const StoneDesign &design, const NamedCut &cut);

}  // namespace stone
