// Saves both drawing areas as PNG after a whole computation for the diamond
// and the quartz presets, to look at the drawing without the window:
//   render_canvases <folder>
// writes <preset>-picture1.png and <preset>-picture2.png into the folder.

#include "PresetDrawing.h"

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

}  // namespace

int main(int argc, char *argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    }
    return saved ? 0 : 1;
}
