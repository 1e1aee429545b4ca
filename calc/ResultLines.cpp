#include "calc/ResultLines.h"

#include "calc/Constants.h"
#include "calc/NumberText.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr Result kResults[] = {Result::a, Result::b, Result::i, Result::alfa,
                               Result::D, Result::H, Result::q, Result::n};

QString millimetres() {
    return QCoreApplication::translate("ResultLines", "mm.", "millimetres");
}

// The blanks before a symbol. The read-out's lines all start at its margin,
// in a proportional face where a blank is about three fifths of a letter
// wide (in Arial five blanks and an "i" are exactly as wide as "alfa"): each
// letter a symbol lacks against the longest one is made up by five thirds of
// a blank, so that the "=" of the lines stand near one another whatever the
// symbols are called.
QString indentOf(const QString &symbol) {
    qsizetype longest = 0;
    for (const Result result : kResults)
        longest = std::max(longest, resultSymbol(result).size());
    return QString(qRound(5.0 * double(longest - symbol.size()) / 3.0), u' ');
}

// "     a =  5.377 mm.": the symbol with its indent, the number and the
// unit, if any.
ResultLine line(Result result, const QString &number, const QString &unit = {}) {
    const QString symbol = resultSymbol(result);
    QString text = indentOf(symbol) + symbol + QStringLiteral(" = ") + number;
    if (!unit.isEmpty())
        text += u' ' + unit;
    return {result, text};
}

}  // namespace

QString resultSymbol(Result result) {
    switch (result) {
        case Result::a:
            return QCoreApplication::translate("ResultLines", "a", "width of the table");
        case Result::b:
            return QCoreApplication::translate("ResultLines", "b", "width of a crown facet");
        case Result::i:
            return QCoreApplication::translate("ResultLines", "i", "crown angle");
        case Result::alfa:
            return QCoreApplication::translate("ResultLines", "alfa", "pavilion angle");
        case Result::D:
            return QCoreApplication::translate("ResultLines", "D", "width at the girdle");
        case Result::H:
            return QCoreApplication::translate("ResultLines", "H", "total height");
        case Result::q:
            return QCoreApplication::translate("ResultLines", "q", "height of the crown");
        case Result::n:
            return QCoreApplication::translate("ResultLines", "n", "depth of the pavilion");
    }
    return {};
}

QString degreeSign() {
    return QCoreApplication::translate("ResultLines", "º", "degrees");
}

QString irSymbol() {
    return QCoreApplication::translate("ResultLines", "IR", "refractive index");
}

QList<ResultLine> resultLines(double D, const CutResult &cut) {
    return {
        line(Result::a, shortNumberText((1 - 2 * cut.bRatio) * D), millimetres()),
        line(Result::b, shortNumberText(cut.bRatio * D), millimetres()),
        line(Result::i, shortNumberText(degrees(cut.i)), degreeSign()),
        line(Result::alfa, shortNumberText(degrees(cut.alfa)), degreeSign()),
        line(Result::D, printedNumber(D), millimetres()),
        line(Result::H, shortNumberText((cut.nRatio + cut.qRatio) * D)),
        line(Result::q, shortNumberText(cut.qRatio * D)),
        line(Result::n, shortNumberText(cut.nRatio * D)),
    };
}

bool needsMirroring(const CutResult &cut) {
    return cut.critAngle > cut.alfa;
}

QString mirrorWarning() {
    return QStringLiteral("    ") +
           QCoreApplication::translate("ResultLines", "ESPEJAR o  AUMENTAR épsilon");
}
