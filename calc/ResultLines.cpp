#include "calc/ResultLines.h"

#include "calc/Constants.h"
#include "calc/NumberText.h"

QList<ResultLine> resultLines(double D, const CutResult &cut) {
    const QString mm = QStringLiteral(" mm.");
    const QString degreeMark = QStringLiteral(" º");
    return {
        {Result::a, QStringLiteral("     a = ") + shortNumberText((1 - 2 * cut.bRatio) * D) + mm},
        {Result::b, QStringLiteral("     b = ") + shortNumberText(cut.bRatio * D) + mm},
        {Result::i, QStringLiteral("     i = ") + shortNumberText(degrees(cut.i)) + degreeMark},
        {Result::alfa, QStringLiteral("alfa = ") + shortNumberText(degrees(cut.alfa)) + degreeMark},
        {Result::D, QStringLiteral("     D = ") + printedNumber(D) + mm},
        {Result::H, QStringLiteral("     H = ") + shortNumberText((cut.nRatio + cut.qRatio) * D)},
        {Result::q, QStringLiteral("     q = ") + shortNumberText(cut.qRatio * D)},
        {Result::n, QStringLiteral("     n = ") + shortNumberText(cut.nRatio * D)},
    };
}

bool needsMirroring(const CutResult &cut) {
    return cut.critAngle > cut.alfa;
}
