#include "cli/SheetExport.h"

#include "cli/CommandLine.h"
#include "drawing/CutSheet.h"
#include "files/CutSheetFile.h"
#include "stone/ConvexBody.h"
#include "stone/CutFigures.h"
#include "stone/LightMap.h"
#include "stone/LightTracer.h"
#include "stone/RecipeText.h"

#include <QGuiApplication>
#include <optional>

namespace {

RecipeSettings recipeSettings(const CommandLine &command) {
    RecipeSettings settings{command.choices, command.gear, std::nullopt};
    if (command.density > 0)
        settings.density = command.density;
    return settings;
}

// The face-up light map of the computed cut, as the verification window
// shows it, and the comparison of --verificar.
VerificationFigures verificationOf(const CommandLine &command, const stone::Proportions &cut,
                                   double refractiveIndex) {
    const stone::ViewSettings settings{refractiveIndex, command.headDeg, command.raysAcross};
    const stone::Brilliant stone = stone::buildBrilliant(cut, command.choices);
    const stone::LightMap faceUpMap = stone::lightMap(
        stone::traceView(stone::ConvexBody(stone), settings, stone::Tilt{}, stone::Samples::kept));
    return {stone, faceUpMap,
            stone::compareCuts(stone::cutsToCompare(cut, command.choices), settings),
            command.headDeg};
}

}  // namespace

QString exportCutSheet(const CommandLine &command, const ComputePlan &plan) {
    CutSheetContent content{plan.D, plan.cut, QDate::currentDate(), recipeSettings(command), {}};
    if (command.verificationPage) {
        const stone::Proportions cut = stone::proportionsOf(plan.cut);
        if (!stone::isCuttable(cut))
            return stone::uncuttableMessage(plan.cut.IR);
        content.verification = verificationOf(command, cut, plan.cut.IR);
    }
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
    return writeCutSheet(command.exportFile, content);
}
