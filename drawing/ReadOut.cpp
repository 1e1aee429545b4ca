#include "drawing/ReadOut.h"

#include "calc/ResultLines.h"
#include "drawing/Canvas.h"

#include <algorithm>

namespace {

constexpr float kLeft = 100;

// Where each line stands on the results canvas, in twips from the top.
float rowOf(Result result) {
    switch (result) {
        case Result::i:
            return 400;
        case Result::alfa:
            return 600;
        case Result::D:
            return 1000;
        case Result::a:
            return 1200;
        case Result::b:
            return 1400;
        case Result::H:
            return 1800;
        case Result::q:
            return 2000;
        case Result::n:
            return 2200;
    }
    return 0;
}

}  // namespace

void printResults(Canvas &picture1, double D, const CutResult &cut) {
    for (const ResultLine &line : resultLines(D, cut)) {
        picture1.SetPosition(kLeft, rowOf(line.result));
        picture1.PrintLine(line.text);
    }
}

QStringList readOutTopToBottom(double D, const CutResult &cut) {
    QList<ResultLine> lines = resultLines(D, cut);
    std::stable_sort(lines.begin(), lines.end(), [](const ResultLine &a, const ResultLine &b) {
        return rowOf(a.result) < rowOf(b.result);
    });
    QStringList texts;
    for (const ResultLine &line : lines)
        texts.append(line.text);
    return texts;
}

QString resultsText(double D, const CutResult &cut) {
    QStringList lines = readOutTopToBottom(D, cut);
    for (QString &line : lines)
        line = line.simplified();
    return lines.join(u'\n');
}
