#include "app/HeadlessRunner.h"

#include "app/CommandLine.h"
#include "app/LightCheckCommand.h"
#include "app/RecipeCommand.h"
#include "calc/AngleChart.h"
#include "calc/ChartCsv.h"
#include "calc/ComputePlan.h"
#include "drawing/CutSheet.h"
#include "drawing/ReadOut.h"
#include "files/CutSheetFile.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <optional>

namespace {

using Request = CommandLine::Request;

// Writes the cut sheet of plan; returns why it could not, or nothing.
QString exportCutSheet(const QString &fileName, const ComputePlan &plan) {
    // Text is laid out by a GUI application; the offscreen platform needs no
    // display.
    std::optional<QGuiApplication> application;
    if (!QCoreApplication::instance()) {
        // Qt's notes about the environment it starts in are not for the
        // user of the command line, who asked for the results alone.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "corvelux";
        static char *argv[] = {name, nullptr};
        application.emplace(argc, argv);
    }
    return writeCutSheet(fileName, {plan.D, plan.cut, QDate::currentDate(), {}, {}});
}

// The IR echo and the eight lines of the read-out, from top to bottom, after
// the cut sheet is written when one is asked for.
int calculate(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const ComputePlan plan = planComputation(command.inputs, QStringLiteral("."));
    QString problem = plan.message;
    if (plan.succeeded() && !command.exportFile.isEmpty())
        problem = exportCutSheet(command.exportFile, plan);
    if (!problem.isEmpty()) {
        err << problem << '\n';
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
            return calculate(command, out, err);
        case Request::IndexChart:
            return indexChartCsv(command, out, err);
        case Request::GemChart:
            out << chartCsv(gemChart(command.epsilon), GemColumn::first);
            return exitDone;
        case Request::CheckLight:
            return checkLight(command, out, err);
        case Request::Recipe:
            return writeRecipe(command, out, err);
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
    err << command.complaint << '\n';
    if (command.withUsage)
        err << usageText();
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
