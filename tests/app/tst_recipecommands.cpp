#include "MainWindowFixture.h"

#include "stone/RecipeText.h"
#include "tests/files/tst_parameterfile_files.h"
#include "windows/FrmReceta.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

// The texts of an SVG drawing, its lines run together as a paragraph reads.
QString svgText(const QByteArray &svg) {
    QStringList lines;
    const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (const QRegularExpressionMatch &line : text.globalMatch(QString::fromUtf8(svg)))
        lines.append(line.captured(1));
    return lines.join(u' ');
}

void computeDiamond(MainWindowFixture &f) {
    QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
    QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
}

// "&Talla", then "&Receta de tallado…", from the keyboard.
FrmReceta *openFromTheMenuBar(MainWindowFixture &f) {
    QTest::keyClick(&f.window, Qt::Key_T, Qt::AltModifier);
    QMenu *menu = control<QMenu>(f.window, QStringLiteral("mnuTalla"));
    if (!QTest::qWaitForWindowExposed(menu))
        return nullptr;
    QTest::keyClick(menu, Qt::Key_R);
    return f.window.findChild<FrmReceta *>();
}

// The window's figure lines and the recipe's cells.
QStringList shownTexts(const FrmReceta &recipe) {
    QStringList texts =
        control<QLabel>(recipe, QStringLiteral("LabelFiguras"))->text().split(u'\n');
    const auto *table = control<QTableWidget>(recipe, QStringLiteral("tablaReceta"));
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c)
            texts.append(table->item(r, c)->text());
    }
    return texts;
}

// What the real program writes on its standard output for arguments.
QString corvelux(const QStringList &arguments) {
    QProcess cli;
    cli.start(QStringLiteral(CORVELUX_PROGRAM), arguments);
    cli.waitForFinished();
    return QString::fromUtf8(cli.readAllStandardOutput());
}

}  // namespace

class TestRecipeCommands : public QObject {
    Q_OBJECT

private slots:
    // The window shows the cut on screen, and goes when "?" clears it.
    void opensOnTheCutAndClosesWithIt() {
        MainWindowFixture f;
        computeDiamond(f);
        QPointer<FrmReceta> recipe = openFromTheMenuBar(f);
        QVERIFY(recipe && recipe->isVisible());
        // H = 5.918 mm in the main window's read-out, without a girdle.
        QVERIFY(shownTexts(*recipe).contains("Altura total: 59.18 % de D (5.92 mm)"));
        QTest::mouseClick(f.ui().Command5, Qt::LeftButton);
        QTRY_VERIFY(!recipe);
    }

    // A cut whose crown falls below the girdle has no brilliant: the window
    // and the sheet say why.
    void uncuttableCutSaysWhy() {
        MainWindowFixture f;
        f.window.setInputs(QStringLiteral("1.29"), QStringLiteral("10"), QStringLiteral("29.128"));
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        const FrmReceta *recipe = openFromTheMenuBar(f);
        QVERIFY(recipe);
        QCOMPARE(shownTexts(*recipe), QStringList{stone::uncuttableMessage(1.29)});
        QTemporaryDir dir;
        f.cuadro->answer(dir.filePath(QStringLiteral("hoja.svg")));
        f.window.saveSheetRequested();
        QVERIFY(svgText(contentsOf(dir.filePath(QStringLiteral("hoja.svg"))))
                    .contains(stone::uncuttableMessage(1.29)));
    }

    // A cut whose pavilion lets light through says so, in the window and on
    // the sheet's recipe page, as the main window does.
    void leakingCutSaysSo() {
        MainWindowFixture f;
        f.window.setInputs(QStringLiteral("1.544"), QStringLiteral("10"), QStringLiteral("0"));
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        const FrmReceta *recipe = openFromTheMenuBar(f);
        QVERIFY(recipe);
        QCOMPARE(control<QLabel>(*recipe, QStringLiteral("LabelAviso"))->text(),
                 QStringLiteral("ESPEJAR o  AUMENTAR épsilon"));
        QTemporaryDir dir;
        f.cuadro->answer(dir.filePath(QStringLiteral("hoja.svg")));
        f.window.saveSheetRequested();
        QCOMPARE(QString::fromUtf8(contentsOf(dir.filePath(QStringLiteral("hoja.svg"))))
                     .count(QStringLiteral("ESPEJAR o  AUMENTAR épsilon")),
                 2);  // under the rays of the first page, over the recipe of the second
    }

    // A choice changed from the keyboard shows at once, and the sheet takes it.
    void choicesRecomputeAtOnce_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");  // then Enter; empty: the Down key
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArray>("onSheet");
        QTest::newRow("120 teeth") << "comboRueda" << QString() << "120-015-030-045-060-075-090-105"
                                   << QByteArray("rueda de índice de 120 dientes");
        // One tenth of D more than H.
        QTest::newRow("10 % girdle")
            << "campoFiletin"
            << "10"
            << "Altura total: 69.18 % de D (6.92 mm)" << QByteArray("Filetín: 10 % de D.");
    }
    void choicesRecomputeAtOnce() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QByteArray, onSheet);
        MainWindowFixture f;
        computeDiamond(f);
        FrmReceta *recipe = openFromTheMenuBar(f);
        QVERIFY(recipe);
        auto *input = control<QWidget>(*recipe, field);
        if (typed.isEmpty()) {
            QTest::keyClick(input, Qt::Key_Down);
        } else {
            QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(input, typed);
            QTest::keyClick(input, Qt::Key_Return);
        }
        QVERIFY2(shownTexts(*recipe).contains(shown), qPrintable(shownTexts(*recipe).join(u'|')));

        QTemporaryDir dir;
        f.cuadro->answer(dir.filePath(QStringLiteral("hoja.svg")));
        f.window.saveSheetRequested();
        QVERIFY(QString::fromUtf8(contentsOf(dir.filePath(QStringLiteral("hoja.svg"))))
                    .contains(QString::fromUtf8(onSheet)));
    }

    // The stone is weighed as the gem of the preset pressed, or else of the
    // gem of the list with the nearest IR, of two as near the one listed
    // first; the list chooses another, and a new computation keeps the
    // window open on the new stone.
    void gemOfTheStone_data() {
        QTest::addColumn<QString>("preset");  // a button, or the IR typed
        QTest::addColumn<QString>("density");
        QTest::newRow("CUARZO, nearer iolite")
            << "Command4"
            << "Densidad: 2.66 g/cm³ (de Cuarzo (amatista, citrino), la gema elegida)";
        QTest::newRow("DIAMANTE") << "Command3"
                                  << "Densidad: 3.52 g/cm³ (de Diamante, la gema elegida)";
        QTest::newRow("two garnets at 1.790")
            << "1.790"
            << "Densidad: 4.05 g/cm³ (de Granate almandino, la gema de la lista con el IR más "
               "cercano)";
        QTest::newRow("halfway between quartz and iolite")
            << "1.543"
            << "Densidad: 2.66 g/cm³ (de Cuarzo (amatista, citrino), la gema de la lista con el "
               "IR más cercano)";
    }
    void gemOfTheStone() {
        QFETCH(QString, preset);
        QFETCH(QString, density);
        MainWindowFixture f;
        if (preset.startsWith(u'C'))
            QTest::mouseClick(control<QPushButton>(f.window, preset), Qt::LeftButton);
        else
            f.window.setInputs(preset, QStringLiteral("10"), QStringLiteral("10"));
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        QPointer<FrmReceta> recipe = openFromTheMenuBar(f);
        QVERIFY(recipe);
        QVERIFY2(shownTexts(*recipe).contains(density), qPrintable(shownTexts(*recipe).join(u'|')));
        f.window.setInputs(QStringLiteral("2.417"), QStringLiteral("10"), QStringLiteral("10"));
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        QVERIFY(recipe && recipe->isVisible());
        QVERIFY(shownTexts(*recipe).contains(QStringLiteral(
            "Densidad: 3.52 g/cm³ (de Diamante, la gema de la lista con el IR más cercano)")));
        QTest::keyClick(control<QComboBox>(*recipe, QStringLiteral("comboGema")), Qt::Key_Home);
        QVERIFY(shownTexts(*recipe).contains(
            QStringLiteral("Densidad: 3.22 g/cm³ (de Moissanita, la gema elegida)")));
    }

    // The recipe copied or saved as text or CSV is the one the command line
    // writes for the same values; printed or saved as PDF, it is the
    // recipe's page alone.
    void copiedSavedAndPrinted() {
        MainWindowFixture f;
        f.window.setInputs(QStringLiteral("1.76"), QStringLiteral("6.5"), QStringLiteral("8"));
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        FrmReceta *recipe = openFromTheMenuBar(f);
        QVERIFY(recipe);
        typeInto(control<QLineEdit>(*recipe, "campoFiletin"), QStringLiteral("3"));
        typeInto(control<QLineEdit>(*recipe, "campoEstrella"), QStringLiteral("60"));
        QTest::keyClick(control<QComboBox>(*recipe, QStringLiteral("comboRueda")), Qt::Key_Up);
        const QStringList asked{"1.76",       "6.5", "8",        "--filetin", "3",
                                "--estrella", "60",  "--indice", "80"};
        const auto press = [recipe](const char *button) {
            QTest::mouseClick(control<QPushButton>(*recipe, button), Qt::LeftButton);
        };
        press("botonCopiar");
        QCOMPARE(QGuiApplication::clipboard()->text(), corvelux(QStringList{"--receta"} + asked));

        QTemporaryDir dir;
        f.cuadro->answer(dir.filePath(QStringLiteral("receta")), 0);  // text, completed
        press("botonGuardar");
        QCOMPARE(QString::fromUtf8(contentsOf(dir.filePath(QStringLiteral("receta.txt")))),
                 corvelux(QStringList{"--receta"} + asked));
        f.cuadro->answer(dir.filePath(QStringLiteral("receta.csv")), 0);
        press("botonGuardar");
        QCOMPARE(QString::fromUtf8(contentsOf(dir.filePath(QStringLiteral("receta.csv")))),
                 corvelux(QStringList{"--receta"} + asked + QStringList{"--csv"}));
        const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b"));
        f.cuadro->answer(dir.filePath(QStringLiteral("receta.pdf")), 0);
        press("botonGuardar");
        QCOMPARE(
            QString::fromLatin1(contentsOf(dir.filePath(QStringLiteral("receta.pdf")))).count(page),
            1);
        f.printDialog->pdfFile = dir.filePath(QStringLiteral("impresa.pdf"));
        press("botonImprimir");
        QCOMPARE(QString::fromLatin1(contentsOf(f.printDialog->pdfFile)).count(page), 1);
    }
};

QTEST_MAIN(TestRecipeCommands)
#include "tst_recipecommands.moc"
