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

// The face-up light map of the design, as the verification window shows
// it, and the comparison of --verificar.
stone::VerificationFigures verificationOf(const stone::StoneDesign &design, int raysAcross) {
    const stone::ViewSettings settings{design.material.refractiveIndex, design.viewer.headDeg,
                                       raysAcross};
    const stone::Proportions cut = design.proportions();
    const stone::Brilliant stone = stone::buildBrilliant(cut, design.choices);
    const stone::LightMap faceUpMap = stone::lightMap(
        stone::traceView(stone::ConvexBody(stone), settings, stone::Tilt{}, stone::Samples::kept));
    return {design, stone, faceUpMap,
            stone::compareCuts(stone::cutsToCompare(cut, design.choices), settings)};
}

}  // namespace

QString exportCutSheet(const CommandLine &command, const ComputePlan &plan) {
    CutSheetContent content{designOf(command, plan), QDate::currentDate(), {}};
    if (command.verificationPage) {
        if (!stone::isCuttable(content.design.proportions()))
            return stone::uncuttableMessage(plan.cut.IR);
        content.verification = verificationOf(content.design, command.raysAcross);
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
