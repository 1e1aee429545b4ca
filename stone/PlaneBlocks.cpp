#include "stone/PlaneBlocks.h"

#include <cstring>
#include <limits>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
// The wide paths rely on GCC inlining their helpers into each search built
// for its instruction set; clang, which builds the sanitized tests, keeps
// to the SSE2 path.
#ifndef __clang__
#define CORVELUX_WIDE_PATHS 1
#endif
#endif

namespace stone {

namespace {

using Block = PlaneBlocks::Block;
constexpr int width = PlaneBlocks::width;
constexpr double infinity = std::numeric_limits<double>::infinity();

// The searches below are flattened: every helper is inlined into them and
// built with their instructions, so that no vector crosses a call.
#pragma GCC diagnostic ignored "-Wpsabi"

// The lanes of a vector in the order given; GCC and clang name it apart.
#ifdef __clang__
#define CORVELUX_SHUFFLE(vector, ...) __builtin_shufflevector(vector, vector, __VA_ARGS__)
#else
#define CORVELUX_SHUFFLE(vector, ...) __builtin_shuffle(vector, Mask{__VA_ARGS__})
#endif

// A vector path's vectors of doubles, the masks that compare them, and the
// operations on them that differ between instruction sets. The arithmetic
// is GCC's vector extension, lane by lane in the order written, on every
// path.

// Two lanes: one SSE2 register, which every x86-64 processor has.
struct PlainLanes {
    static constexpr int lanes = 2;
    using Doubles = double __attribute__((vector_size(16)));
    using Mask = long long __attribute__((vector_size(16)));

    static Mask less(const Doubles &a, const Doubles &b) { return a < b; }
    static Mask equal(const Doubles &a, const Doubles &b) { return a == b; }
    static Doubles select(const Mask &mask, const Doubles &chosen, const Doubles &otherwise) {
        return mask ? chosen : otherwise;
    }
    static bool any(const Mask &mask) { return (mask[0] | mask[1]) != 0; }
    // max(values, 0) in one instruction: 0 for -0 and NaN.
    static Doubles notBelowZero(const Doubles &values) {
#ifdef __SSE2__
        return _mm_max_pd(values, Doubles{});
#else
        return values > 0 ? values : Doubles{};
#endif
    }
    // Each lane's neighbour, for the last step of a reduction.
    template <typename Vector>
    static Vector swapped(const Vector &vector, int) {
        return CORVELUX_SHUFFLE(vector, 1, 0);
    }
};

#ifdef CORVELUX_WIDE_PATHS
#define CORVELUX_AVX2 __attribute__((target("avx2")))
#define CORVELUX_AVX512 __attribute__((target("avx2,avx512f,avx512vl")))

// Four lanes: one AVX2 register, and masks as wide.
struct Avx2Lanes {
    static constexpr int lanes = 4;
    using Doubles = double __attribute__((vector_size(32)));
    using Mask = long long __attribute__((vector_size(32)));

    static Mask less(const Doubles &a, const Doubles &b) { return a < b; }
    static Mask equal(const Doubles &a, const Doubles &b) { return a == b; }
    static Doubles select(const Mask &mask, const Doubles &chosen, const Doubles &otherwise) {
        return mask ? chosen : otherwise;
    }
    CORVELUX_AVX2 static bool any(const Mask &mask) {
        return _mm256_movemask_pd(Doubles(mask)) != 0;
    }
    CORVELUX_AVX2 static Doubles notBelowZero(const Doubles &values) {
        return _mm256_max_pd(values, Doubles{});
    }
    // The lanes distance away, for a step of a reduction.
    template <typename Vector>
    static Vector swapped(const Vector &vector, int distance) {
        return distance == 2 ? CORVELUX_SHUFFLE(vector, 2, 3, 0, 1)
                             : CORVELUX_SHUFFLE(vector, 1, 0, 3, 2);
    }
};

// Four lanes of AVX2's width, compared into AVX-512's mask registers: a
// lane-wise choice costs one instruction instead of AVX2's blend.
struct Avx512Lanes {
    static constexpr int lanes = 4;
    using Doubles = Avx2Lanes::Doubles;
    using Mask = __mmask8;

    CORVELUX_AVX512 static Mask less(const Doubles &a, const Doubles &b) {
        return _mm256_cmp_pd_mask(a, b, _CMP_LT_OQ);
    }
    CORVELUX_AVX512 static Mask equal(const Doubles &a, const Doubles &b) {
        return _mm256_cmp_pd_mask(a, b, _CMP_EQ_OQ);
    }
    CORVELUX_AVX512 static Doubles select(Mask mask, const Doubles &chosen,
                                          const Doubles &otherwise) {
        return _mm256_mask_mov_pd(otherwise, mask, chosen);
    }
    static bool any(Mask mask) { return (mask & 0xF) != 0; }
    CORVELUX_AVX512 static Doubles notBelowZero(const Doubles &values) {
        return _mm256_max_pd(values, Doubles{});
    }
    template <typename Vector>
    static Vector swapped(const Vector &vector, int distance) {
        return Avx2Lanes::swapped(vector, distance);
    }
};
#endif

template <typename L>
struct Vectors {
    using Doubles = typename L::Doubles;
    using Mask = typename L::Mask;
    static constexpr int lanes = L::lanes;
    // How many vectors hold a block's planes.
    static constexpr int perBlock = width / lanes;

    static Doubles load(const double *values) {
        Doubles vector;
        std::memcpy(&vector, values, sizeof vector);
        return vector;
    }
    static Doubles splat(double value) { return Doubles{} + value; }
    // The slots of block 0's first lanes.
    static Doubles firstSlots() {
        Doubles slots;
        for (int lane = 0; lane < lanes; ++lane)
            slots[lane] = lane;
        return slots;
    }
    // The slots of a block's part-th lanes, given those of its first.
    static Doubles partSlots(const Doubles &slots, int part) {
        return part == 0 ? slots : slots + double(part * lanes);
    }

    // Each plane's dot(normal, direction) and offset - dot(normal, point),
    // in the order of dot(), so that each lane gives the scalar result.
    struct Projections {
        Doubles along, beyond;
    };
    static Projections project(const Block &block, int part, const Vec3 &point,
                               const Vec3 &direction) {
        const int first = part * lanes;
        const Doubles x = load(block.x + first), y = load(block.y + first),
                      z = load(block.z + first);
        return {x * direction.x + y * direction.y + z * direction.z,
                load(block.offset + first) - (x * point.x + y * point.y + z * point.z)};
    }

    // Merges each lane with the one half the lanes away, then a quarter,
    // which takes what they found to lane 0.
    template <typename Found>
    static void reduce(Found &found) {
        for (int distance = lanes / 2; distance >= 1; distance /= 2)
            found.merge(found.swapped(distance));
    }
};

// The lines' crossings so far in each lane.
template <typename L>
struct Crossings {
    using V = Vectors<L>;
    using Doubles = typename L::Doubles;
    using Mask = typename L::Mask;
    Doubles entering = V::splat(-infinity);
    Doubles entrySlot = V::splat(infinity);  // none: it never wins a tie
    Doubles leaving = V::splat(infinity);
    bool missed = false;

    void add(const Block &block, int part, const Doubles &slots, const Vec3 &origin,
             const Vec3 &direction) {
        const auto [along, gap] = V::project(block, part, origin, direction);
        const Doubles distance = gap / along;
        const Mask later = L::less(along, Doubles{}) & L::less(entering, distance);
        entering = L::select(later, distance, entering);
        entrySlot = L::select(later, slots, entrySlot);
        const Mask earlier = L::less(Doubles{}, along) & L::less(distance, leaving);
        leaving = L::select(earlier, distance, leaving);
        missed = missed || L::any(L::equal(along, Doubles{}) & L::less(gap, Doubles{}));
    }
    // Keeps other's later entry, or the lower slot of one as late, its
    // earlier exit and its miss.
    void merge(const Crossings &other) {
        const Mask later =
            L::less(entering, other.entering) |
            (L::equal(other.entering, entering) & L::less(other.entrySlot, entrySlot));
        entering = L::select(later, other.entering, entering);
        entrySlot = L::select(later, other.entrySlot, entrySlot);
        leaving = L::select(L::less(other.leaving, leaving), other.leaving, leaving);
        missed = missed || other.missed;
    }
    Crossings swapped(int distance) const {
        return {L::swapped(entering, distance), L::swapped(entrySlot, distance),
                L::swapped(leaving, distance), missed};
    }
};

template <typename L>
PlaneBlocks::Crossing crossingIn(const Block *blocks, int count, const Vec3 &origin,
                                 const Vec3 &direction) {
    using V = Vectors<L>;
    Crossings<L> parts[V::perBlock];
    typename L::Doubles slots = V::firstSlots();
    for (int block = 0; block < count; ++block) {
#pragma GCC unroll 2
        for (int part = 0; part < V::perBlock; ++part)
            parts[part].add(blocks[block], part, V::partSlots(slots, part), origin, direction);
        slots += double(width);
    }
#pragma GCC unroll 2
    for (int part = 1; part < V::perBlock; ++part)
        parts[0].merge(parts[part]);
    V::reduce(parts[0]);
    const Crossings<L> &found = parts[0];
    const bool entered = found.entrySlot[0] != infinity;
    return {entered ? int(found.entrySlot[0]) : -1, found.entering[0], found.leaving[0],
            found.missed};
}

// The nearest plane ahead so far in each lane: the least gap / along, and
// its slot (none: gap 1, along 0 and an infinite slot).
template <typename L>
struct Nearest {
    using V = Vectors<L>;
    using Doubles = typename L::Doubles;
    using Mask = typename L::Mask;
    Doubles gap = V::splat(1), along{}, slot = V::splat(infinity);

    // Keeps the planes nearer than these. The crosswise comparison keeps the
    // division, and a hard-to-predict branch on along's sign, out of the
    // loop: with gap >= 0, a plane behind the ray (along <= 0) never passes.
    void add(const Block &block, int part, const Doubles &slots, const Vec3 &inside,
             const Vec3 &direction) {
        const auto [planeAlong, beyond] = V::project(block, part, inside, direction);
        // A point on an edge may lie a rounding error outside its neighbour.
        const Doubles planeGap = L::notBelowZero(beyond);
        const Mask closer = L::less(planeGap * along, gap * planeAlong);
        gap = L::select(closer, planeGap, gap);
        along = L::select(closer, planeAlong, along);
        slot = L::select(closer, slots, slot);
    }
    // Keeps other's lanes that are nearer, or as near with a lower slot.
    void merge(const Nearest &other) {
        const Mask closer = L::less(other.gap * along, gap * other.along);
        const Mask farther = L::less(gap * other.along, other.gap * along);
        const Mask taken = closer | (~farther & L::less(other.slot, slot));
        gap = L::select(taken, other.gap, gap);
        along = L::select(taken, other.along, along);
        slot = L::select(taken, other.slot, slot);
    }
    Nearest swapped(int distance) const {
        return {L::swapped(gap, distance), L::swapped(along, distance), L::swapped(slot, distance)};
    }
};

// Two blocks at a time, each in lanes of its own, so that the comparisons
// of one block need not wait for those of the block before.
template <typename L>
PlaneBlocks::Ahead nearestAheadIn(const Block *blocks, PlaneBlocks::Span span, const Vec3 &inside,
                                  const Vec3 &direction) {
    using V = Vectors<L>;
    constexpr int perBlock = V::perBlock;
    Nearest<L> found[2 * perBlock];
    typename L::Doubles slots = V::firstSlots() + double(span.first * width);
    const auto search = [&](int block, Nearest<L> *into) {
#pragma GCC unroll 2
        for (int part = 0; part < perBlock; ++part)
            into[part].add(blocks[block], part, V::partSlots(slots, part), inside, direction);
        slots += double(width);
    };
    int block = span.first;
    for (; block + 1 < span.end; block += 2) {
        search(block, found);
        search(block + 1, found + perBlock);
    }
    if (block < span.end)
        search(block, found);
#pragma GCC unroll 4
    for (int part = 1; part < 2 * perBlock; ++part)
        found[0].merge(found[part]);
    V::reduce(found[0]);
    const double slot = found[0].slot[0];
    return {found[0].gap[0] / found[0].along[0], slot == infinity ? -1 : int(slot)};
}

// The searches built for a vector path: name##Searches.
#define CORVELUX_SEARCHES(name, Lanes, attributes)                                                \
    attributes __attribute__((flatten)) PlaneBlocks::Crossing name##Crossing(                     \
        const Block *blocks, int count, const Vec3 &origin, const Vec3 &direction) {              \
        return crossingIn<Lanes>(blocks, count, origin, direction);                               \
    }                                                                                             \
    attributes __attribute__((flatten)) PlaneBlocks::Ahead name##NearestAhead(                    \
        const Block *blocks, PlaneBlocks::Span span, const Vec3 &inside, const Vec3 &direction) { \
        return nearestAheadIn<Lanes>(blocks, span, inside, direction);                            \
    }                                                                                             \
    constexpr PlaneBlocks::Searches name##Searches{name##Crossing, name##NearestAhead};

CORVELUX_SEARCHES(plain, PlainLanes, )
#ifdef CORVELUX_WIDE_PATHS
CORVELUX_SEARCHES(avx2, Avx2Lanes, CORVELUX_AVX2)
CORVELUX_SEARCHES(avx512, Avx512Lanes, CORVELUX_AVX512)
#endif

const PlaneBlocks::Searches &searchesFor([[maybe_unused]] VectorPath path) {
#ifdef CORVELUX_WIDE_PATHS
    if (path == VectorPath::avx2)
        return avx2Searches;
    if (path == VectorPath::avx512)
        return avx512Searches;
#endif
    return plainSearches;
}

}  // namespace

std::vector<VectorPath> vectorPaths() {
    std::vector<VectorPath> paths{VectorPath::plain};
#ifdef CORVELUX_WIDE_PATHS
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2"))
        paths.push_back(VectorPath::avx2);
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("avx512f") &&
        __builtin_cpu_supports("avx512vl"))
        paths.push_back(VectorPath::avx512);
#endif
    return paths;
}

VectorPath widestVectorPath() {
    static const VectorPath widest = vectorPaths().back();
    return widest;
}

PlaneBlocks::PlaneBlocks(const std::vector<std::vector<Plane>> &groups, VectorPath path)
    : searches_(&searchesFor(path)) {
    // A plane no ray meets: its normal is 0, and every point lies inside it.
    const Plane nowhere{{}, 1};
    for (const std::vector<Plane> &group : groups) {
        Span span{static_cast<int>(blocks_.size()), 0};
        for (std::size_t k = 0; k < group.size() || k % width != 0; ++k) {
            const Plane &plane = k < group.size() ? group[k] : nowhere;
            if (k % width == 0)
                blocks_.emplace_back();
            Block &block = blocks_.back();
            block.x[k % width] = plane.normal.x;
            block.y[k % width] = plane.normal.y;
            block.z[k % width] = plane.normal.z;
            block.offset[k % width] = plane.offset;
        }
        span.end = static_cast<int>(blocks_.size());
        spans_.push_back(span);
    }
}

}  // namespace stone
