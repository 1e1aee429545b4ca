// libFuzzer target: arbitrary text in the three input fields, through the
// whole compute path of "CALCULAR" on canvases that check what is printed,
// without pauses.
//
// The input is split at its first two line feeds: IR (Text1), D (Text3), and
// the rest for épsilon (Text2), which may hold further line feeds.

#include "calc/ComputePlan.h"
#include "drawing/Canvas.h"
#include "drawing/CutDrawing.h"
#include "drawing/NoWaitPacer.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

InputFields splitFields(const QString &input) {
    const qsizetype first = input.indexOf(u'\n');
    if (first < 0)
        return {input, {}, {}};
    const qsizetype second = input.indexOf(u'\n', first + 1);
    if (second < 0)
        return {input.left(first), input.mid(first + 1), {}};
    return {input.left(first), input.mid(first + 1, second - first - 1), input.mid(second + 1)};
}

// Draws nothing; a run that was accepted prints numbers only, never "inf"
// or "nan": anything else ends the run.
class NumbersOnlyCanvas final : public Canvas {
public:
    void Clear() override {}
    void DrawLine(float, float, float, float) override {}
    void DrawLineBy(float, float, float, float) override {}
    void ContinueLineBy(float, float) override {}
    void DrawCircle(float, float, float) override {}
    void DrawArc(float, float, float, quint32, float, float) override {}
    void SetPosition(float, float) override {}
    float TextWidth(const QString &text) override { return float(text.size()); }
    void PrintLine(const QString &text) override {
        if (text.contains(u"inf", Qt::CaseInsensitive) ||
            text.contains(u"nan", Qt::CaseInsensitive)) {
            std::fprintf(stderr, "printed a value that is not a number: %s\n", qPrintable(text));
            std::abort();
        }
    }
};

// The drawing and the read-out of a successful run.
void drawAndPrint(const ComputePlan &plan) {
    NumbersOnlyCanvas picture1;
    NumbersOnlyCanvas picture2;
    NoWaitPacer pacer;
    drawCut(picture1, picture2, plan.D, plan.cut, pacer);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const InputFields fields =
        splitFields(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    const ComputePlan plan = planComputation(fields, QStringLiteral("."));
    if (plan.succeeded())
        drawAndPrint(plan);
    return 0;
}
