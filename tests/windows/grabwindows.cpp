// Saves pictures of the three windows as they first open: form1.png,
// splash.png and acercade.png in the folder given as the only argument.
// Run by regenerate-screenshots.sh for the pictures in docs/.
#include "windows/Acercade.h"
#include "windows/Form1.h"
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
    if (argc != 2) {
        QTextStream(stderr) << "usage: grab_windows FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    Form1 form1;
    FrmSplash splash;
    Acercade about;
    const bool saved = save(form1, folder, QStringLiteral("form1.png")) &&
                       save(splash, folder, QStringLiteral("splash.png")) &&
                       save(about, folder, QStringLiteral("acercade.png"));
    return saved ? 0 : 1;
}
