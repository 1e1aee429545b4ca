#pragma once

#include "stone/Plane.h"

#include <vector>

namespace stone {

// The instructions that search a body's planes: those of every x86-64
// processor (SSE2, two planes per instruction), AVX2 (four) when the
// processor has it, or AVX2's four with AVX-512's mask registers, which
// choose between lanes in one instruction. All do the same arithmetic in the
// same order and give the same figures.
enum class VectorPath { plain, avx2, avx512 };

// The widest path this processor runs.
VectorPath widestVectorPath();
// The paths this processor runs, plain first.
std::vector<VectorPath> vectorPaths();

// Groups of half-spaces in blocks of four planes, each coordinate of the
// normals side by side, so that a search takes several planes per vector
// operation and no branch. Each group starts a block; planes that no ray
// meets fill up its last one. A plane is known by its slot: its block × 4 +
// its place in the block.
class PlaneBlocks {
public:
    static constexpr int width = 4;

    PlaneBlocks(const std::vector<std::vector<Plane>> &groups, VectorPath path);

    // The blocks [first, end) of a group.
    struct Span {
        int first = 0, end = 0;
    };
    Span span(int group) const { return spans_[group]; }
    int slotCount() const { return static_cast<int>(blocks_.size()) * width; }

    // Where a line crosses the planes: the slot of the last plane it enters
    // a half-space by and the distance there (-infinity, slot -1 if none),
    // the distance where it first leaves one (infinity if none), and whether
    // it runs parallel outside one. The first slot wins ties.
    struct Crossing {
        int entrySlot = -1;
        double entering = 0, leaving = 0;
        bool missed = false;
    };
    Crossing crossing(const Vec3 &origin, const Vec3 &direction) const {
        return searches_->crossing(blocks_.data(), static_cast<int>(blocks_.size()), origin,
                                   direction);
    }

    // The nearest plane ahead of a point inside, among the blocks of span:
    // the one of least gap / along, its distance, over the planes the ray
    // moves towards (along > 0), with gap the point's distance to the plane
    // (0 for one a rounding error outside) and along the direction's part
    // along the normal; the first slot wins ties. Slot -1, at an infinite
    // distance, when none is ahead. Small enough to come back in registers.
    struct Ahead {
        double distance;
        int slot;
    };
    Ahead nearestAhead(Span span, const Vec3 &inside, const Vec3 &direction) const {
        return searches_->nearestAhead(blocks_.data(), span, inside, direction);
    }

    struct alignas(32) Block {
        double x[width], y[width], z[width], offset[width];
    };
    // The searches built for one vector path.
    struct Searches {
        Crossing (*crossing)(const Block *blocks, int count, const Vec3 &origin,
                             const Vec3 &direction);
        Ahead (*nearestAhead)(const Block *blocks, Span span, const Vec3 &inside,
                              const Vec3 &direction);
    };

private:
    std::vector<Block> blocks_;
    std::vector<Span> spans_;
    const Searches *searches_;
};

}  // namespace stone
