#include "app/HeadlessRunner.h"

#include "app/HeadlessCommand.h"
#include "calc/AngleChart.h"
#include "calc/ChartCsv.h"
#include "calc/ComputePlan.h"
#include "drawing/ReadOut.h"

#include <QTextStream>
#include <cstdio>

namespace {

using Kind = HeadlessCommand::Kind;

// The IR echo and the eight lines of the read-out, from top to bottom.
int calculate(const InputFields &inputs, QTextStream &out, QTextStream &err) {
    const ComputePlan plan = planComputation(inputs, QStringLiteral("."));
    if (!plan.succeeded()) {
        err << plan.message << '\n';
        return exitRejected;
    }
    out << "IR = " << plan.irEcho << '\n';
    for (const QString &line : readOutTopToBottom(plan.D, plan.cut))
        out << line << '\n';
    return exitDone;
}

int indexChartCsv(const HeadlessCommand &command, QTextStream &out, QTextStream &err) {
    const IndexSeries series = indexSeries(command.from, command.to, command.step);
    if (!series.problem.isEmpty()) {
        err << series.problem << '\n';
        return exitRejected;
    }
    out << chartCsv(indexChart(series.irs, command.epsilon), GemColumn::omitted);
    return exitDone;
}

}  // namespace

int runHeadless(const HeadlessCommand &command, QTextStream &out, QTextStream &err) {
    switch (command.kind) {
        case Kind::calculate:
            return calculate(command.inputs, out, err);
        case Kind::indexChart:
            return indexChartCsv(command, out, err);
        case Kind::gemChart:
            out << chartCsv(gemChart(command.epsilon), GemColumn::first);
            return exitDone;
        case Kind::openWindows:
        case Kind::wrongUsage:
            break;
    }
    err << commandLineUsage;
    return exitWrongUsage;
}

std::optional<int> runCommandLine(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const HeadlessCommand command = parseCommandLine(arguments);
    if (command.kind == HeadlessCommand::Kind::openWindows)
        return std::nullopt;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runHeadless(command, out, err);
}
