#include "calc/ReadOut.h"

#include "calc/Constants.h"
#include "calc/NumberText.h"
#include "drawing/Canvas.h"

namespace {

constexpr float kLeft = 100;

void printAt(Canvas &canvas, float y, const QString &line) {
    canvas.SetPosition(kLeft, y);
    canvas.PrintLine(line);
}

double degrees(double radians) {
    return radians * 180 / pi;
}

}  // namespace

void printResults(Canvas &picture1, double D, const CutResult &cut) {
    const QString mm = QStringLiteral(" mm.");
    const QString degreeMark = QStringLiteral(" º");
    printAt(picture1, 1200,
            QStringLiteral("     a = ") + shortNumberText((1 - 2 * cut.bRatio) * D) + mm);
    printAt(picture1, 1400, QStringLiteral("     b = ") + shortNumberText(cut.bRatio * D) + mm);
    printAt(picture1, 400,
            QStringLiteral("     i = ") + shortNumberText(degrees(cut.i)) + degreeMark);
    printAt(picture1, 600,
            QStringLiteral("alfa = ") + shortNumberText(degrees(cut.alfa)) + degreeMark);
    printAt(picture1, 1000, QStringLiteral("     D = ") + printedNumber(D) + mm);
    printAt(picture1, 1800,
            QStringLiteral("     H = ") + shortNumberText((cut.nRatio + cut.qRatio) * D));
    printAt(picture1, 2000, QStringLiteral("     q = ") + shortNumberText(cut.qRatio * D));
    printAt(picture1, 2200, QStringLiteral("     n = ") + shortNumberText(cut.nRatio * D));
}
