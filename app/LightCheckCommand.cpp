#include "app/LightCheckCommand.h"

#include "app/CommandLine.h"
#include "app/HeadlessRunner.h"
#include "stone/ComparisonCsv.h"
#include "stone/CutFigures.h"

#include <QTextStream>
#include <cmath>

namespace {

// The limits of an option of --verificar, and the message when a value falls
// outside them.
struct Limits {
    double LightCheckOptions::*value;
    double lowest, highest;
    bool whole;
    QString message;
};

QString limitsProblem(const LightCheckOptions &options) {
    const Limits limits[] = {
        {&LightCheckOptions::girdlePercent, 0, 10, false,
         QStringLiteral("G debe estar entre 0 y 10.")},
        {&LightCheckOptions::starPercent, 10, 90, false,
         QStringLiteral("S debe estar entre 10 y 90.")},
        {&LightCheckOptions::lowerGirdlePercent, 10, 90, false,
         QStringLiteral("L debe estar entre 10 y 90.")},
        {&LightCheckOptions::headDeg, 0, 89, false, QStringLiteral("H debe estar entre 0 y 89.")},
        {&LightCheckOptions::raysAcross, 10, 2000, true,
         QStringLiteral("N debe ser un número entero entre 10 y 2000.")},
    };
    for (const Limits &limit : limits) {
        const double value = options.*(limit.value);
        if (value < limit.lowest || value > limit.highest ||
            (limit.whole && value != std::floor(value)))
            return limit.message;
    }
    return {};
}

}  // namespace

int checkLight(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const ComputePlan plan = planComputation(command.inputs, QStringLiteral("."));
    const QString problem = plan.succeeded() ? limitsProblem(command.light) : plan.message;
    if (!problem.isEmpty()) {
        err << problem << '\n';
        return exitRejected;
    }
    const LightCheckOptions &options = command.light;
    const std::vector<stone::NamedCut> cuts = stone::cutsToCompare(
        stone::proportionsOf(plan.cut),
        {options.girdlePercent, options.starPercent, options.lowerGirdlePercent});
    const stone::ViewSettings settings{plan.cut.IR, options.headDeg,
                                       static_cast<int>(options.raysAcross)};
    out << stone::comparisonCsv(stone::compareCuts(cuts, settings), plan.cut.IR);
    return exitDone;
}
