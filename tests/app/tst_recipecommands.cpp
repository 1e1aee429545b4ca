#include "MainWindowFixture.h"

#include "stone/RecipeText.h"
#include "tests/files/tst_parameterfile_files.h"
#include "windows/FrmReceta.h"

#include <QLabel>
#include <QMenu>
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
        QVERIFY(shownTexts(*recipe).contains("Altura total: 59.18 % de D, 5.92 mm"));
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
            << "spinFiletin"
            << "10"
            << "Altura total: 69.18 % de D, 6.92 mm" << QByteArray("Filetín: 10 % de D.");
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
};

QTEST_MAIN(TestRecipeCommands)
#include "tst_recipecommands.moc"
