#include "stone/CuttableEpsilons.h"

#include "calc/ComputePlan.h"
#include "calc/NumberText.h"
#include "stone/Brilliant.h"

#include <QCoreApplication>
#include <cmath>

namespace stone {

namespace {

constexpr double kLowest = 0;
constexpr double kHighest = 89;
constexpr int kStepsPerDegree = 10;
constexpr int kNarrowings = 20;  // a tenth of a degree halved this often

// The texts the main window would be given, so that what is advised is what
// it accepts.
bool cuts(const QString &irText, double epsilonDeg) {
    const ComputePlan plan = planComputation(
        {irText, QStringLiteral("1"), QString::number(epsilonDeg, 'g', 17)}, QStringLiteral("."));
    return plan.succeeded() && isCuttable(proportionsOf(plan.cut));
}

// The end of a run between an épsilon that cuts and one that does not.
double narrowedEnd(const QString &irText, double cutting, double failing) {
    for (int i = 0; i < kNarrowings; ++i) {
        const double middle = (cutting + failing) / 2;
        (cuts(irText, middle) ? cutting : failing) = middle;
    }
    return cutting;
}

QString tenths(double degrees) {
    QString text = QString::number(degrees, 'f', 1);
    if (text.endsWith(QLatin1String(".0")))
        text.chop(2);
    return text;
}

}  // namespace

std::optional<EpsilonRange> cuttableEpsilons(double refractiveIndex) {
    const QString irText = plainNumberText(refractiveIndex, QStringLiteral("."));
    const int steps = int((kHighest - kLowest) * kStepsPerDegree);
    const auto epsilonAt = [](int step) { return kLowest + double(step) / kStepsPerDegree; };
    int bestFirst = -1, bestLast = -2, runFirst = -1;
    for (int step = 0; step <= steps; ++step) {
        if (!cuts(irText, epsilonAt(step))) {
            runFirst = -1;
            continue;
        }
        if (runFirst < 0)
            runFirst = step;
        if (step - runFirst > bestLast - bestFirst) {
            bestFirst = runFirst;
            bestLast = step;
        }
    }
    if (bestFirst < 0)
        return std::nullopt;
    EpsilonRange range{epsilonAt(bestFirst), epsilonAt(bestLast)};
    if (bestFirst > 0)
        range.low = narrowedEnd(irText, range.low, epsilonAt(bestFirst - 1));
    if (bestLast < steps)
        range.high = narrowedEnd(irText, range.high, epsilonAt(bestLast + 1));
    return range;
}

QString cuttableEpsilonsAdvice(double refractiveIndex) {
    const QString ir = plainNumberText(refractiveIndex, QStringLiteral("."));
    if (const std::optional<EpsilonRange> range = cuttableEpsilons(refractiveIndex)) {
        const double low = std::ceil(range->low * kStepsPerDegree) / kStepsPerDegree;
        const double high = std::floor(range->high * kStepsPerDegree) / kStepsPerDegree;
        if (low <= high) {
            return QCoreApplication::translate("CuttableEpsilons",
                                               "Con IR %1, pruebe con épsilon de %2 a %3.")
                .arg(ir, tenths(low), tenths(high));
        }
    }
    return QCoreApplication::translate("CuttableEpsilons",
                                       "Con IR %1, ningún épsilon da un brillante.")
        .arg(ir);
}

}  // namespace stone
