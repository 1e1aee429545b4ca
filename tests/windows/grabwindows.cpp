// Saves pictures of the three windows as they first open: form1.png,
// splash.png and acercade.png in the folder given as the first argument, and
// receta.png, the recipe window of the diamond preset; with --dark, under a
// dark desktop colour scheme.
// Run by regenerate-screenshots.sh for the pictures in docs/.
#include "DarkPalette.h"
#include "calc/Presets.h"
#include "stone/StoneRecipe.h"
#include "windows/Acercade.h"
#include "windows/Form1.h"
#include "windows/FrmReceta.h"
#include "windows/FrmSplash.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

namespace {

bool save(QWidget &window, const QDir &folder, const QString &name) {
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = window.grab().save(path);
    QTextStream(saved ? stdout : stderr) << (saved ? "saved " : "could not save ") << path << '\n';
    return saved;
}

}  // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    const bool dark = argc == 3 && qstrcmp(argv[2], "--dark") == 0;
    if (argc != 2 && !dark) {
        QTextStream(stderr) << "usage: grab_windows FOLDER [--dark]\n";
        return 2;
    }
    if (dark)
        QApplication::setPalette(darkPalette());
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    Form1 form1;
    FrmSplash splash;
    Acercade about;
    FrmReceta recipe;
    const ComputePlan diamond = planComputation(Presets::diamond.fields, QStringLiteral("."));
    const stone::StoneDesign design =
        stone::designOf(diamond.cut, diamond.D, stone::nearestGemMaterial(diamond.cut.IR));
    recipe.showStone(design, *makeStoneRecipe(design));
    const bool saved = save(form1, folder, QStringLiteral("form1.png")) &&
                       save(splash, folder, QStringLiteral("splash.png")) &&
                       save(about, folder, QStringLiteral("acercade.png")) &&
                       save(recipe, folder, QStringLiteral("receta.png"));
    return saved ? 0 : 1;
}
