#include "cli/SheetExport.h"

#include "cli/CommandLine.h"
#include "cli/TraceRun.h"
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

// The face-up light map and colours of the design, as the verification
// window shows them, and the comparison of --verificar; nothing when the
// user stops it.
std::optional<stone::VerificationFigures> verificationOf(const stone::StoneDesign &design,
                                                         int raysAcross, QTextStream &err) {
    const stone::ViewSettings settings = stone::viewSettingsOf(design, raysAcross);
    const stone::Proportions cut = design.proportions();
    const std::vector<stone::NamedCut> cuts = stone::cutsToCompare(design);
    stone::VerificationFigures figures{
        design, stone::buildBrilliant(cut, design.choices), {}, {}, {}};
    const stone::ConvexBody body(figures.stone);
    const qint64 rays = stone::gridRays(body, settings, stone::Tilt{}) +
                        stone::colourRays(body, settings, stone::Tilt{}) +
                        stone::comparisonRays(cuts, settings, stone::Fire::traced);
    const auto trace = [&](const stone::TraceControl &control) {
        figures.faceUpMap = stone::lightMap(
            stone::traceView(body, settings, stone::Tilt{}, stone::Samples::kept, control));
        figures.faceUpColour = stone::traceColourView(body, settings, stone::Tilt{}, control);
        figures.cuts = stone::compareCuts(cuts, settings, control, stone::Fire::traced);
    };
    if (!runTrace(rays, trace, err))
        return std::nullopt;
    return figures;
}

}  // namespace

QString exportCutSheet(const CommandLine &command, const ComputePlan &plan, QTextStream &err) {
    CutSheetContent content{designOf(command, plan), QDate::currentDate(), {}};
    if (command.verificationPage) {
        if (!stone::isCuttable(content.design.proportions()))
            return stone::uncuttableMessage(plan.cut.IR);
        if (!stone::isEyeClear(content.design))
            return stone::eyeTooCloseMessage(content.design);
        content.verification = verificationOf(content.design, command.raysAcross, err);
        if (!content.verification)
            return traceStoppedMessage();
    }
    // Laid out by the GUI application that the command line starts for it.
    return writeCutSheet(command.exportFile, content);
}
