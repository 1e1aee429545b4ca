#include "stone/PlaneBlocks.h"

#include <cstring>
#include <limits>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define CORVELUX_AVX2_PATH 1
#endif

namespace stone {

namespace {

using Block = PlaneBlocks::Block;
constexpr int width = PlaneBlocks::width;
constexpr double infinity = std::numeric_limits<double>::infinity();

// The searches below are flattened: every helper is inlined into them and
// built with their instructions, so that no vector crosses a call.
#pragma GCC diagnostic ignored "-Wpsabi"

// Vectors of lanes doubles, and the masks that compare them, in GCC's
// vector extension, which works them lane by lane in the order written:
// two lanes fill an SSE2 register, four an AVX2 one.
template <int lanes>
struct VectorTypes;
template <>
struct VectorTypes<2> {
    using Doubles = double __attribute__((vector_size(16)));
    using Mask = long long __attribute__((vector_size(16)));
};
template <>
struct VectorTypes<4> {
    using Doubles = double __attribute__((vector_size(32)));
    using Mask = long long __attribute__((vector_size(32)));
};

template <int lanes>
struct Vectors {
    using Doubles = typename VectorTypes<lanes>::Doubles;
    using Mask = typename VectorTypes<lanes>::Mask;
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
    // max(values, 0) in one instruction: 0 for -0 and NaN.
    static Doubles notBelowZero(const Doubles &values);

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
        if constexpr (lanes == 4) {
            found.merge(found.shuffled(Mask{2, 3, 0, 1}));
            found.merge(found.shuffled(Mask{1, 0, 3, 2}));
        } else {
            found.merge(found.shuffled(Mask{1, 0}));
        }
    }
};

template <>
Vectors<2>::Doubles Vectors<2>::notBelowZero(const Doubles &values) {
#ifdef __SSE2__
    return _mm_max_pd(values, Doubles{});
#else
    return values > 0 ? values : Doubles{};
#endif
}

#ifdef CORVELUX_AVX2_PATH
template <>
__attribute__((target("avx2"))) Vectors<4>::Doubles Vectors<4>::notBelowZero(
    const Doubles &values) {
    return _mm256_max_pd(values, Doubles{});
}
#endif

// The lines' crossings so far in each lane.
template <int lanes>
struct Crossings {
    using V = Vectors<lanes>;
    using Doubles = typename V::Doubles;
    using Mask = typename V::Mask;
    Doubles entering = V::splat(-infinity);
    Doubles entrySlot = V::splat(infinity);  // none: it never wins a tie
    Doubles leaving = V::splat(infinity);
    Mask missed{};

    void add(const Block &block, int part, const Doubles &slots, const Vec3 &origin,
             const Vec3 &direction) {
        const auto [along, gap] = V::project(block, part, origin, direction);
        const Doubles distance = gap / along;
        const Mask later = (along < 0) & (distance > entering);
        entering = later ? distance : entering;
        entrySlot = later ? slots : entrySlot;
        leaving = (along > 0) & (distance < leaving) ? distance : leaving;
        missed |= (along == 0) & (gap < 0);
    }
    // Keeps other's later entry, or the lower slot of one as late, its
    // earlier exit and its miss.
    void merge(const Crossings &other) {
        const Mask later = (other.entering > entering) |
                           ((other.entering == entering) & (other.entrySlot < entrySlot));
        entering = later ? other.entering : entering;
        entrySlot = later ? other.entrySlot : entrySlot;
        leaving = other.leaving < leaving ? other.leaving : leaving;
        missed |= other.missed;
    }
    Crossings shuffled(const Mask &order) const {
        return {__builtin_shuffle(entering, order), __builtin_shuffle(entrySlot, order),
                __builtin_shuffle(leaving, order), __builtin_shuffle(missed, order)};
    }
};

template <int lanes>
PlaneBlocks::Crossing crossingIn(const Block *blocks, int count, const Vec3 &origin,
                                 const Vec3 &direction) {
    using V = Vectors<lanes>;
    Crossings<lanes> parts[V::perBlock];
    typename V::Doubles slots = V::firstSlots();
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
    const Crossings<lanes> &found = parts[0];
    const bool entered = found.entrySlot[0] != infinity;
    return {entered ? int(found.entrySlot[0]) : -1, found.entering[0], found.leaving[0],
            found.missed[0] != 0};
}

// The nearest plane ahead so far in each lane: the least gap / along, and
// its slot (none: gap 1, along 0 and an infinite slot).
template <int lanes>
struct Nearest {
    using V = Vectors<lanes>;
    using Doubles = typename V::Doubles;
    using Mask = typename V::Mask;
    Doubles gap = V::splat(1), along{}, slot = V::splat(infinity);

    // Keeps the planes nearer than these. The crosswise comparison keeps the
    // division, and a hard-to-predict branch on along's sign, out of the
    // loop: with gap >= 0, a plane behind the ray (along <= 0) never passes.
    void add(const Block &block, int part, const Doubles &slots, const Vec3 &inside,
             const Vec3 &direction) {
        const auto [planeAlong, beyond] = V::project(block, part, inside, direction);
        // A point on an edge may lie a rounding error outside its neighbour.
        const Doubles planeGap = V::notBelowZero(beyond);
        const Mask closer = planeGap * along < gap * planeAlong;
        gap = closer ? planeGap : gap;
        along = closer ? planeAlong : along;
        slot = closer ? slots : slot;
    }
    // Keeps other's lanes that are nearer, or as near with a lower slot.
    void merge(const Nearest &other) {
        const Mask closer = other.gap * along < gap * other.along;
        const Mask farther = gap * other.along < other.gap * along;
        const Mask taken = closer | (~farther & (other.slot < slot));
        gap = taken ? other.gap : gap;
        along = taken ? other.along : along;
        slot = taken ? other.slot : slot;
    }
    Nearest shuffled(const Mask &order) const {
        return {__builtin_shuffle(gap, order), __builtin_shuffle(along, order),
                __builtin_shuffle(slot, order)};
    }
};

// Two blocks at a time, each in lanes of its own, so that the comparisons
// of one block need not wait for those of the block before.
template <int lanes>
PlaneBlocks::Ahead nearestAheadIn(const Block *blocks, PlaneBlocks::Span span, const Vec3 &inside,
                                  const Vec3 &direction) {
    using V = Vectors<lanes>;
    constexpr int perBlock = V::perBlock;
    Nearest<lanes> found[2 * perBlock];
    typename V::Doubles slots = V::firstSlots() + double(span.first * width);
    const auto search = [&](int block, Nearest<lanes> *into) {
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
#define CORVELUX_SEARCHES(name, lanes, attributes)                                                \
    attributes __attribute__((flatten)) PlaneBlocks::Crossing name##Crossing(                     \
        const Block *blocks, int count, const Vec3 &origin, const Vec3 &direction) {              \
        return crossingIn<lanes>(blocks, count, origin, direction);                               \
    }                                                                                             \
    attributes __attribute__((flatten)) PlaneBlocks::Ahead name##NearestAhead(                    \
        const Block *blocks, PlaneBlocks::Span span, const Vec3 &inside, const Vec3 &direction) { \
        return nearestAheadIn<lanes>(blocks, span, inside, direction);                            \
    }                                                                                             \
    constexpr PlaneBlocks::Searches name##Searches{name##Crossing, name##NearestAhead};

CORVELUX_SEARCHES(plain, 2, )
#ifdef CORVELUX_AVX2_PATH
CORVELUX_SEARCHES(avx2, 4, __attribute__((target("avx2"))))
#endif

const PlaneBlocks::Searches &searchesFor([[maybe_unused]] VectorPath path) {
#ifdef CORVELUX_AVX2_PATH
    if (path == VectorPath::avx2)
        return avx2Searches;
#endif
    return plainSearches;
}

}  // namespace

std::vector<VectorPath> vectorPaths() {
    std::vector<VectorPath> paths{VectorPath::plain};
#ifdef CORVELUX_AVX2_PATH
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2"))
        paths.push_back(VectorPath::avx2);
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
