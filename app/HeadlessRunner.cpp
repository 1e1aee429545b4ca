#include "app/HeadlessRunner.h"

#include "app/CommandLine.h"
#include "calc/AngleChart.h"
#include "calc/ChartCsv.h"
#include "calc/ComputePlan.h"
#include "drawing/ReadOut.h"

#include <QTextStream>
#include <cstdio>

namespace {

using Request = CommandLine::Request;

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

int indexChartCsv(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const IndexSeries series = indexSeries(command.from, command.to, command.step);
    if (!series.problem.isEmpty()) {
        err << series.problem << '\n';
        return exitRejected;
    }
    out << chartCsv(indexChart(series.irs, command.epsilon), GemColumn::omitted);
    return exitDone;
}

}  // namespace

int runHeadless(const CommandLine &command, QTextStream &out, QTextStream &err) {
    switch (command.request) {
        case Request::Calculate:
            return calculate(command.inputs, out, err);
        case Request::IndexChart:
            return indexChartCsv(command, out, err);
        case Request::GemChart:
            out << chartCsv(gemChart(command.epsilon), GemColumn::first);
            return exitDone;
        case Request::ShowHelp:
            out << usageText();
            return exitDone;
        case Request::ShowVersion:
            out << versionText();
            return exitDone;
        case Request::OpenWindows:
        case Request::Misuse:
            break;
    }
    err << command.complaint << '\n' << usageText();
    return exitWrongUsage;
}

std::optional<int> runCommandLine(int argc, char *argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine command = parseCommandLine(arguments);
    if (command.request == Request::OpenWindows)
        return std::nullopt;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runHeadless(command, out, err);
}
