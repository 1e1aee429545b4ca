#pragma once

#include <QMutex>
#include <QtGlobal>
#include <atomic>
#include <vector>

// How a caller on another thread follows and stops the search for the
// brightest cut.
namespace stone {

// The search's stages, in order.
enum class SearchStage {
    scan,    // the start points and a scan of the bounds, at the coarse grid
    refine,  // the simplex searches from the best of them, at the coarse grid
    final,   // the best of each and the start points again, at the fine grid
};

// One traced cut: its figure, and the best one so far at its grid: the
// coarse one for the scan and the simplex searches, the fine one at the end.
struct SearchStep {
    int evaluation = 0;  // 1 for the first traced cut
    SearchStage stage = SearchStage::scan;
    double figure = 0;
    double best = 0;
};

// Written by the search, read by anyone: the counters at any time, and the
// steps so far as a copy.
class SearchProgress {
public:
    std::atomic<int> evaluationsDone{0};
    // The cuts the search expects to trace in all: set at its start, then
    // lowered when it needs fewer.
    std::atomic<int> evaluationsPlanned{0};
    std::atomic<qint64> raysDone{0};
    // The camera rays of the cuts planned, estimated from the computed cut's
    // until each is traced: raysDone reaches it at the end, and their ratio
    // grows steadily although a cut at the fine grid takes 25 times the rays
    // of one at the coarse grid.
    std::atomic<qint64> raysPlanned{0};

    std::vector<SearchStep> steps() const;
    // For the search: adds a step of evaluation number evaluationsDone.
    void record(SearchStage stage, double figure);

private:
    mutable QMutex mutex_;
    std::vector<SearchStep> steps_;
};

// The search stops soon after cancel turns true; it counts on progress.
struct SearchControl {
    const std::atomic_bool *cancel = nullptr;
    SearchProgress *progress = nullptr;

    bool isCancelled() const { return cancel && cancel->load(); }
};

}  // namespace stone
