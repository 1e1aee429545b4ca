#include "cli/HeadlessRunner.h"

#include "calc/AngleChart.h"
#include "calc/ChartCsv.h"
#include "calc/ComputePlan.h"
#include "calc/ResultLines.h"
#include "cli/CommandLine.h"
#include "cli/LightCheckRequest.h"
#include "cli/OptimiseRequest.h"
#include "cli/RecipeRequest.h"
#include "cli/SheetExport.h"
#include "drawing/ReadOut.h"

#include <fcntl.h>
#include <QGuiApplication>
#include <QTextStream>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <optional>

namespace {

using Request = CommandLine::Request;

// The context the texts of this file are translated in.
class HeadlessRunnerText {
    Q_DECLARE_TR_FUNCTIONS(HeadlessRunner)
};

// The IR echo, the eight lines of the read-out from top to bottom and the
// mirroring warning when the ray drawing shows it, after the cut sheet is
// written when one is asked for.
int calculate(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const ComputePlan plan = planComputation(command.inputs, QStringLiteral("."));
    QString problem = plan.message;
    if (plan.succeeded() && !command.exportFile.isEmpty())
        problem = exportCutSheet(command, plan, err);
    if (!problem.isEmpty()) {
        err << problem << '\n';
        return exitRejected;
    }
    //: The refractive index as read, above the eight results.
    out << HeadlessRunnerText::tr("IR = %1").arg(plan.irEcho) << '\n';
    for (const QString &line : readOutTopToBottom(plan.D, plan.cut))
        out << line << '\n';
    if (needsMirroring(plan.cut))
        out << mirrorWarning() << '\n';
    return exitDone;
}

int indexChartCsv(const CommandLine &command, QTextStream &out, QTextStream &err) {
    const IndexSeries series = indexSeries(command.from, command.to, command.step);
    if (!series.problem.isEmpty()) {
        err << series.problem << '\n';
        return exitRejected;
    }
    out << chartCsv(indexChart(series.irs, command.epsilon), GemColumn::omitted,
                    command.csvDecimals());
    return exitDone;
}

// The application object that the command line's texts are translated
// with: a GUI one on the offscreen platform when a cut sheet is to be laid
// out, a plain one otherwise. Qt's notes about the environment it starts in
// are not for the user of the command line, who asked for the results alone.
class CommandLineApplication {
public:
    CommandLineApplication(int argc, char *argv[]) {
        const bool drawsSheet = std::any_of(
            argv + 1, argv + argc, [](const char *a) { return qstrcmp(a, "--exportar") == 0; });
        if (drawsSheet) {
            m_handler = qInstallMessageHandler(
                [](QtMsgType, const QMessageLogContext &, const QString &) {});
            qputenv("QT_QPA_PLATFORM", "offscreen");
            m_gui.emplace(m_argc, m_argv);
        } else {
            m_core.emplace(m_argc, m_argv);
        }
    }
    ~CommandLineApplication() {
        if (m_gui)
            qInstallMessageHandler(m_handler);
    }
    CommandLineApplication(const CommandLineApplication &) = delete;
    CommandLineApplication &operator=(const CommandLineApplication &) = delete;

private:
    // Qt keeps the arguments it is given; the program's own are read apart.
    int m_argc = 1;
    char m_name[9] = "corvelux";
    char *m_argv[2] = {m_name, nullptr};
    std::optional<QCoreApplication> m_core;
    std::optional<QGuiApplication> m_gui;
    QtMessageHandler m_handler = nullptr;
};

// runHeadless on standard output and standard error, and its status, unless
// the output could not be written whole.
int answerOnTerminal(const CommandLine &command) {
    // A reader that goes away early makes the next write fail, which is
    // reported below, instead of ending the program without a word.
    std::signal(SIGPIPE, SIG_IGN);
    QTextStream err(stderr);
    // Checked first: a closed standard output's descriptor would be handed to
    // the next file opened, such as the cut sheet's.
    if (fcntl(fileno(stdout), F_GETFD) == -1) {
        err << outputFailureMessage() << '\n';
        return exitRejected;
    }
    QTextStream out(stdout);
    const int status = runHeadless(command, out, err);
    out.flush();
    if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        err << outputFailureMessage() << '\n';
        return exitRejected;
    }
    return status;
}

}  // namespace

QString outputFailureMessage() {
    return HeadlessRunnerText::tr("corvelux: no se pudo escribir en la salida estándar.");
}

QString noDisplayMessage() {
    return HeadlessRunnerText::tr(
        "corvelux: no se pueden abrir las ventanas: no hay pantalla gráfica a la que conectarse.\n"
        "Sin pantalla funcionan las opciones de la línea de órdenes (corvelux --help).");
}

int runHeadless(const CommandLine &command, QTextStream &out, QTextStream &err) {
    switch (command.request) {
        case Request::Calculate:
            return calculate(command, out, err);
        case Request::IndexChart:
            return indexChartCsv(command, out, err);
        case Request::GemChart:
            out << chartCsv(gemChart(command.epsilon), GemColumn::first, command.csvDecimals());
            return exitDone;
        case Request::Recipe:
            return writeRecipe(command, out, err);
        case Request::CheckLight:
            return checkLight(command, out, err);
        case Request::Optimise:
            return optimiseCut(command, out, err);
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

StartUp runCommandLine(int argc, char *argv[]) {
    const Language language = languageAsked(argc, argv);
    const CommandLineApplication application(argc, argv);
    // Installed before the arguments are read: the complaints and the usage
    // are translated as they are made.
    const ProgramLanguage translations(language);
    const CommandLine command = parseCommandLine(argc, argv);
    if (command.request == Request::OpenWindows)
        return {std::nullopt, language, noDisplayMessage()};
    return {answerOnTerminal(command), language, {}};
}
