#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "calc/Messages.h"
#include "calc/ResultLines.h"
#include "drawing/CanvasFonts.h"
#include "drawing/CutSheet.h"
#include "drawing/ReadOut.h"
#include "files/CutSheetFile.h"
#include "files/FileMessages.h"
#include "stone/CutFigures.h"
#include "stone/RecipeFigures.h"
#include "stone/RecipeReport.h"
#include "stone/RecipeText.h"
#include "tests/support/MarkingTranslator.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Replacements = QHash<QString, QString>;

stone::StoneDesign designFor(double ir, double epsDeg) {
    return stone::designOf(solveCut(ir, epsDeg * pi / 180), 10, stone::nearestGemMaterial(ir));
}

// The texts of the cut sheet's pages, the third with a coarse comparison,
// as its SVG holds them in the order they are drawn.
QString sheetTexts(const stone::StoneDesign &design) {
    CutSheetContent content{design, QDate(2025, 3, 14), {}};
    if (stone::isCuttable(design.proportions()))
        content.verification = stone::VerificationFigures{
            design, {}, {}, compareCuts(cutsToCompare(design), viewSettingsOf(design, 10)), {}};
    const QTemporaryDir folder;
    QFile svg(folder.filePath(QStringLiteral("hoja.svg")));
    if (!writeCutSheet(svg.fileName(), content).isEmpty() || !svg.open(QIODevice::ReadOnly))
        return {};
    QStringList texts;
    for (const auto &text : QRegularExpression(QStringLiteral("<text[^>]*>([^<]*)</text>"))
                                .globalMatch(QString::fromUtf8(svg.readAll())))
        texts.append(text.captured(1));
    return texts.join(u'\n');
}

// Whether the cells of each column, found in turn along their lines, all
// begin or all end at one place.
bool columnsAligned(const QStringList &lines, const QList<QStringList> &cells) {
    QHash<qsizetype, QSet<qsizetype>> starts, ends;
    for (qsizetype row = 0; row < cells.size(); ++row) {
        qsizetype from = 0;
        for (qsizetype column = 0; column < cells[row].size(); ++column) {
            const QString &cell = cells[row][column];
            if (cell.isEmpty() || (from = lines.value(row).indexOf(cell, from)) < 0)
                continue;
            starts[column].insert(from);
            ends[column].insert(from += cell.size());
        }
    }
    return std::all_of(starts.keyBegin(), starts.keyEnd(), [&](qsizetype column) {
        return starts[column].size() == 1 || ends[column].size() == 1;
    });
}

}  // namespace

class TestTranslatedTexts : public QObject {
    Q_OBJECT

private slots:
    void columnsFollowTheTexts_data() {
        QTest::addColumn<Replacements>("names");
        QTest::newRow("as in Spanish") << Replacements{};
        QTest::newRow("wider") << Replacements{{"alfa", "alpha"},
                                               {"Estrellas", "Star facets of the crown"},
                                               {"Ángulo", "Angle on the dop"},
                                               {"Peso estimado", "Estimated weight of the stone"}};
        QTest::newRow("words") << Replacements{{"alfa", "pavilion angle"},
                                               {"D", "diameter"},
                                               {"Faceta", "Facet tier"},
                                               {"Cantidad", "N"},
                                               {"Principales de la corona", "Bezels"}};
    }

    // In the read-out's proportional face the "=" of every line stands within
    // a letter's width of the others', however wide the names are (in Spanish
    // the one after "D" stands half a letter right of the one after "alfa");
    // the recipe's table and the figures under it keep their columns.
    void columnsFollowTheTexts() {
        QFETCH(Replacements, names);
        const MarkingTranslator marking(names);
        const stone::StoneDesign diamond = designFor(2.419, 10);
        const QFontMetricsF face(arialFont(9));
        QList<qreal> ends;
        for (const QString &line : readOutTopToBottom(10, diamond.cut))
            ends.append(face.horizontalAdvance(line.left(line.indexOf(u'=') + 1)));
        const auto [least, most] = std::minmax_element(ends.begin(), ends.end());
        QVERIFY(*most - *least < face.horizontalAdvance(u'm'));

        const StoneRecipe made = *makeStoneRecipe(diamond);
        const QStringList lines = stone::recipeReport(diamond, made).split(u'\n');
        const QList<QStringList> table =
            QList<QStringList>{recipeColumnTitles()} + recipeRows(made.recipe);
        QList<QStringList> figures;
        for (const stone::RecipeFigure &figure : stone::recipeFigures(diamond, made))
            figures.append({figure.label, figure.number});
        QVERIFY(columnsAligned(lines.mid(2), table));
        QVERIFY(columnsAligned(lines.mid(3 + table.size()), figures));
    }

    void nothingShownUntranslated_data() {
        QTest::addColumn<QString>("shown");
        const MarkingTranslator marking;
        const stone::StoneDesign quartz = designFor(1.544, 0);  // leaks: the warning too
        const QString file = QStringLiteral("1");
        QTest::newRow("read-out") << readOutTopToBottom(10, quartz.cut).join(u'\n') +
                                         mirrorWarning();
        QTest::newRow("recipe") << stone::recipeReport(quartz, *makeStoneRecipe(quartz));
        QTest::newRow("cut sheet") << sheetTexts(designFor(2.419, 10));
        QTest::newRow("uncuttable sheet") << sheetTexts(designFor(1.29, 29.128));
        const QStringList messages{Messages::irUnmatched(), FileMessages::cannotFinishSaving(file),
                                   FileMessages::notACutSheetName(file, cutSheetExtensions()),
                                   cutSheetFileTypes().value(0).caption};
        QTest::newRow("messages") << messages.join(u'\n');
    }

    // Every word of the program's own texts comes back marked; names stay.
    void nothingShownUntranslated() {
        QFETCH(QString, shown);
        QVERIFY(!shown.isEmpty());
        const QStringList names{"CORVELUX", "Tolkowsky", "P", "C", "G", "T"};
        const QStringList unmarked = MarkingTranslator::unmarkedWords(shown, names);
        QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u' ')));
    }
};

QTEST_MAIN(TestTranslatedTexts)
#include "tst_translatedtexts.moc"
