#include "calc/ComputePlan.h"

#include "calc/Constants.h"
#include "calc/LeadingNumber.h"
#include "calc/Messages.h"
#include "calc/NumberText.h"

#include <cmath>
#include <initializer_list>

namespace {

bool allFinite(std::initializer_list<double> values) {
    for (const double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

// The largest épsilon, in degrees, that still gives a crown above the girdle.
double crownLimit(double IR) {
    return IR * (20 + 2 * IR);
}

ComputePlan rejected(ComputePlan plan, const QString &message) {
    plan.message = message;
    return plan;
}

}  // namespace

bool isPrintable(const CutResult &cut, double D) {
    return allFinite({cut.IR, cut.eps, cut.critAngle, cut.epsIn, cut.x, cut.beta, cut.i, cut.deltaI,
                      cut.alfa, cut.aRatio, cut.bRatio, cut.qRatio, cut.nRatio, D,
                      (1 - 2 * cut.bRatio) * D, cut.bRatio * D, cut.qRatio * D, cut.nRatio * D,
                      (cut.nRatio + cut.qRatio) * D});
}

ComputePlan planComputation(const InputFields &fields, const QString &decimalSeparator) {
    ComputePlan plan;
    const double IR = leadingNumber(fields.ir);
    if (IR <= 1)
        return rejected(plan, Messages::irTooSmall());
    if (!std::isfinite(IR))
        return rejected(plan, Messages::outOfScale());
    plan.irAccepted = true;
    plan.irEcho = plainNumberText(IR, decimalSeparator);

    plan.D = leadingNumber(fields.diameter);
    if (plan.D <= 0)
        return rejected(plan, Messages::diameterTooSmall());

    const double epsDegrees = leadingNumber(fields.epsilon);
    if (epsDegrees > crownLimit(IR))
        return rejected(plan, Messages::negativeCrown());
    if (epsDegrees < 0 || epsDegrees > 89)
        return rejected(plan, Messages::epsilonRange());

    plan.cut = solveCut(IR, epsDegrees * pi / 180, &plan.solver);
    if (!plan.solver.matched)
        return rejected(plan, Messages::irUnmatched());
    if (!isPrintable(plan.cut, plan.D))
        return rejected(plan, Messages::outOfScale());
    return plan;
}
