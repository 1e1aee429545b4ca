#include "stone/ClassicCuts.h"

namespace stone {

std::vector<NamedCut> classicCuts() {
    return {
        {QStringLiteral("Tolkowsky (1919)"), {0.53, 34.5, 40.75}, {0, 50, 80}},
        {QStringLiteral("Referencia GIA"), {0.57, 34.0, 40.7}, {2.5, 50, 80}},
        {QStringLiteral("Excelente"), {0.55, 34.5, 41.0}, {3, 45, 80}},
    };
}

}  // namespace stone
