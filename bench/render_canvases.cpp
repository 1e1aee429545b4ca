// Saves both drawing areas as PNG after a whole computation for the diamond
// and the quartz presets, and their cut sheets, to look at the drawing
// without the window:
//   render_canvases <folder>
// writes <preset>-picture1.png, <preset>-picture2.png and
// <preset>-sheet.pdf, .svg and .png into the folder.

#include "OffscreenBenchmark.h"
#include "PresetDrawing.h"
#include "drawing/CutSheet.h"
#include "files/CutSheetFile.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

bool save(const CanvasWidget &canvas, const QDir &folder, const QString &name) {
    const QString path = folder.filePath(name);
    if (canvas.image().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool saveSheets(const ComputePlan &plan, const QDir &folder, const QString &name) {
    bool saved = true;
    for (const char *extension : {".pdf", ".svg", ".png"}) {
        const QString path = folder.filePath(name + QLatin1String(extension));
        const QString error = writeCutSheet(
            path, {stone::designOf(plan.cut, plan.D, stone::nearestGemMaterial(plan.cut.IR)),
                   QDate::currentDate(),
                   {}});
        if (!error.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(error));
        saved = saved && error.isEmpty();
    }
    return saved;
}

}  // namespace

int main(int argc, char *argv[]) {
    preferOffscreenPlatform();
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: render_canvases <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool saved = true;
    for (const NamedPreset &preset : namedPresets) {
        WindowCanvases canvases;
        drawComputation(canvases, preset.fields);
        const QString name = QString::fromLatin1(preset.name);
        saved = save(canvases.picture1, folder, name + QStringLiteral("-picture1.png")) && saved;
        saved = save(canvases.picture2, folder, name + QStringLiteral("-picture2.png")) && saved;
        saved =
            saveSheets(planPreset(preset.fields), folder, name + QStringLiteral("-sheet")) && saved;
    }
    return saved ? 0 : 1;
}
