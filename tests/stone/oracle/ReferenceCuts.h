#pragma once

#include "ReferenceTracer.h"
#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "stone/Brilliant.h"

#include <QString>
#include <vector>

// The cuts of diamond whose light the reference table holds: the computed
// cut at épsilon 0 and 10, each the first row of its comparison, and the
// classic round brilliants by their published proportions.
struct ReferenceCut {
    QString name;       // its row in the comparison
    double epsilonDeg;  // of the comparison it is a row of
    stone::Proportions proportions;
    stone::CutChoices choices;
};

inline constexpr double diamondIndex = 2.417;

inline stone::Proportions computedCut(double epsilonDeg) {
    return stone::proportionsOf(solveCut(diamondIndex, epsilonDeg * pi / 180));
}

inline std::vector<ReferenceCut> referenceCuts() {
    return {
        {QStringLiteral("Calculada"), 0, computedCut(0), {}},
        {QStringLiteral("Calculada"), 10, computedCut(10), {}},
        {QStringLiteral("Tolkowsky (1919)"), 10, {0.53, 34.5, 40.75}, {0, 50, 80}},
        {QStringLiteral("Referencia GIA"), 10, {0.57, 34.0, 40.7}, {2.5, 50, 80}},
        {QStringLiteral("Excelente"), 10, {0.55, 34.5, 41.0}, {3, 45, 80}},
    };
}

// The stone as the independent tracer takes it: the facets' planes, in
// their order, and the girdle.
inline oracle::Stone oracleStone(const stone::Brilliant &brilliant) {
    oracle::Stone stone{{}, brilliant.girdleRadius};
    for (const stone::Facet &facet : brilliant.facets)
        stone.faces.push_back({{facet.normal.x, facet.normal.y, facet.normal.z}, facet.offset});
    return stone;
}
