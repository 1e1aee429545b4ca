#include "calc/ReadOut.h"

#include "calc/Constants.h"
#include "calc/NumberText.h"
#include "drawing/Canvas.h"

#include <QList>
#include <QStringList>
#include <algorithm>

namespace {

constexpr float kLeft = 100;

// One result line: how far down the canvas it is printed, and its text.
struct ResultLine {
    float y;
    QString text;
};

double degrees(double radians) {
    return radians * 180 / pi;
}

// The result lines in the order they are printed.
QList<ResultLine> resultLines(double D, const CutResult &cut) {
    const QString mm = QStringLiteral(" mm.");
    const QString degreeMark = QStringLiteral(" º");
    return {
        {1200, QStringLiteral("     a = ") + shortNumberText((1 - 2 * cut.bRatio) * D) + mm},
        {1400, QStringLiteral("     b = ") + shortNumberText(cut.bRatio * D) + mm},
        {400, QStringLiteral("     i = ") + shortNumberText(degrees(cut.i)) + degreeMark},
        {600, QStringLiteral("alfa = ") + shortNumberText(degrees(cut.alfa)) + degreeMark},
        {1000, QStringLiteral("     D = ") + printedNumber(D) + mm},
        {1800, QStringLiteral("     H = ") + shortNumberText((cut.nRatio + cut.qRatio) * D)},
        {2000, QStringLiteral("     q = ") + shortNumberText(cut.qRatio * D)},
        {2200, QStringLiteral("     n = ") + shortNumberText(cut.nRatio * D)},
    };
}

}  // namespace

void printResults(Canvas &picture1, double D, const CutResult &cut) {
    for (const ResultLine &line : resultLines(D, cut)) {
        picture1.SetPosition(kLeft, line.y);
        picture1.PrintLine(line.text);
    }
}

QString resultsText(double D, const CutResult &cut) {
    QList<ResultLine> lines = resultLines(D, cut);
    std::stable_sort(lines.begin(), lines.end(),
                     [](const ResultLine &a, const ResultLine &b) { return a.y < b.y; });
    QStringList texts;
    for (const ResultLine &line : lines)
        texts.append(line.text.simplified());
    return texts.join(u'\n');
}
