#include "stone/CauchyIndex.h"

namespace stone {

namespace {

double inverseSquare(double nanometres) {
    return 1 / (nanometres * nanometres);
}

}  // namespace

CauchyIndex::CauchyIndex(double indexAtD, double dispersionBG)
    : m_b(dispersionBG / (inverseSquare(fraunhoferG) - inverseSquare(fraunhoferB))) {
    m_a = indexAtD - m_b * inverseSquare(sodiumD);
}

}  // namespace stone
