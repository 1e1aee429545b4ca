#include "stone/NelderMead.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace stone {

namespace {

// The usual coefficients: reflection, expansion, contraction, shrink.
constexpr double reflection = 1, expansion = 2, contraction = 0.5, shrinkage = 0.5;

using Point = std::vector<double>;

// from + factor × (to − from).
Point along(const Point &from, const Point &to, double factor) {
    Point point(from.size());
    for (std::size_t k = 0; k < from.size(); ++k)
        point[k] = from[k] + factor * (to[k] - from[k]);
    return point;
}

class Simplex {
public:
    Simplex(const Objective &objective, int maxEvaluations)
        : objective_(objective), maxEvaluations_(maxEvaluations) {}

    // Adds a vertex; false when the search is to stop.
    bool add(const Point &point) {
        const auto value = evaluate(point);
        if (value)
            vertices_.push_back({point, *value});
        return bool(value);
    }

    // One move of the method; false when the search is to stop.
    bool step() {
        sortVertices();
        const Point centre = centroid();
        const Vertex &worst = vertices_.back();
        const Point reflected = along(centre, worst.point, -reflection);
        const auto r = evaluate(reflected);
        if (!r)
            return false;
        if (*r < vertices_.front().value) {
            const Point expanded = along(centre, worst.point, -reflection * expansion);
            const auto e = evaluate(expanded);
            if (!e)
                return false;
            replaceWorst(*e < *r ? Vertex{expanded, *e} : Vertex{reflected, *r});
            return true;
        }
        if (*r < vertices_[vertices_.size() - 2].value) {
            replaceWorst({reflected, *r});
            return true;
        }
        // Contract towards the better of the worst vertex and its reflection.
        const bool outside = *r < worst.value;
        const Point contracted =
            along(centre, worst.point, outside ? -reflection * contraction : contraction);
        const auto c = evaluate(contracted);
        if (!c)
            return false;
        if (*c < std::min(*r, worst.value)) {
            replaceWorst({contracted, *c});
            return true;
        }
        return shrink();
    }

    bool isDone(double tolerance) const {
        if (evaluations_ >= maxEvaluations_)
            return true;
        const Point &best = bestVertex().point;
        return std::all_of(vertices_.begin(), vertices_.end(), [&](const Vertex &v) {
            for (std::size_t k = 0; k < best.size(); ++k) {
                if (std::abs(v.point[k] - best[k]) > tolerance)
                    return false;
            }
            return true;
        });
    }

    SimplexMinimum minimum(bool stopped) const {
        if (vertices_.empty())
            return {{}, 0, evaluations_, stopped};
        const Vertex &best = bestVertex();
        return {best.point, best.value, evaluations_, stopped};
    }

private:
    struct Vertex {
        Point point;
        double value;
    };

    std::optional<double> evaluate(const Point &point) {
        ++evaluations_;
        return objective_(point);
    }

    // Best first; equal values keep their order, so that ties break alike on every run.
    void sortVertices() {
        std::stable_sort(vertices_.begin(), vertices_.end(),
                         [](const Vertex &a, const Vertex &b) { return a.value < b.value; });
    }

    const Vertex &bestVertex() const {
        return *std::min_element(
            vertices_.begin(), vertices_.end(),
            [](const Vertex &a, const Vertex &b) { return a.value < b.value; });
    }

    // Of all vertices but the worst.
    Point centroid() const {
        Point centre(vertices_.front().point.size(), 0.0);
        const std::size_t count = vertices_.size() - 1;
        for (std::size_t v = 0; v < count; ++v) {
            for (std::size_t k = 0; k < centre.size(); ++k)
                centre[k] += vertices_[v].point[k] / count;
        }
        return centre;
    }

    void replaceWorst(Vertex vertex) { vertices_.back() = std::move(vertex); }

    // Every vertex but the best halfway towards it.
    bool shrink() {
        const Point best = vertices_.front().point;
        for (std::size_t v = 1; v < vertices_.size(); ++v) {
            Point moved = along(best, vertices_[v].point, shrinkage);
            const auto value = evaluate(moved);
            if (!value)
                return false;
            vertices_[v] = {std::move(moved), *value};
        }
        return true;
    }

    const Objective &objective_;
    int maxEvaluations_;
    int evaluations_ = 0;
    std::vector<Vertex> vertices_;
};

}  // namespace

SimplexMinimum nelderMead(const Objective &objective, const std::vector<double> &start,
                          const std::vector<double> &steps, int maxEvaluations, double tolerance) {
    Simplex simplex(objective, maxEvaluations);
    if (!simplex.add(start))
        return simplex.minimum(true);
    for (std::size_t k = 0; k < start.size(); ++k) {
        Point vertex = start;
        vertex[k] += steps[k];
        if (!simplex.add(vertex))
            return simplex.minimum(true);
    }
    while (!simplex.isDone(tolerance)) {
        if (!simplex.step())
            return simplex.minimum(true);
    }
    return simplex.minimum(false);
}

}  // namespace stone
