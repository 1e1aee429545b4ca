#include "stone/SearchProgress.h"

#include <algorithm>

namespace stone {

std::vector<SearchStep> SearchProgress::steps() const {
    const QMutexLocker lock(&mutex_);
    return steps_;
}

void SearchProgress::record(SearchStage stage, double figure) {
    const QMutexLocker lock(&mutex_);
    const auto isFine = [](SearchStage s) { return s == SearchStage::final; };
    const bool sameGrid = !steps_.empty() && isFine(steps_.back().stage) == isFine(stage);
    const double best = sameGrid ? std::max(steps_.back().best, figure) : figure;
    steps_.push_back({evaluationsDone.load(), stage, figure, best});
}

}  // namespace stone
