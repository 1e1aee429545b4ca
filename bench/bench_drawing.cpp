// Times the drawing of one computation for the diamond preset on the two
// canvases of the window, shown offscreen, with the pause between segments
// at zero: the whole drawing should take well under one display frame, and
// one segment's draw-and-show well under a millisecond, so that the pacing
// alone sets the speed of the ray animation.

#include "OffscreenBenchmark.h"
#include "PresetDrawing.h"
#include "calc/Constants.h"
#include "drawing/RayTrace.h"

#include <QApplication>
#include <QTest>

class BenchDrawing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_canvases.picture1.show();
        m_canvases.picture2.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_canvases.picture1));
        QVERIFY(QTest::qWaitForWindowExposed(&m_canvases.picture2));
    }

    void wholeComputation() {
        QBENCHMARK {
            drawComputation(m_canvases, Presets::diamond.fields);
        }
    }

    void oneSegment() {
        const CutResult cut = planPreset(Presets::diamond.fields).cut;
        const TraceStage stage{446.69, 1757.8, pi / 2 + cut.deltaI, 100, 2000, 2 * pi - cut.alfa};
        NoWaitPacer noWait;
        QBENCHMARK {
            traceSegment(m_canvases.picture2, stage, noWait);
        }
    }

private:
    WindowCanvases m_canvases;
};

int main(int argc, char *argv[]) {
    return runOffscreenBenchmark<QApplication, BenchDrawing>(argc, argv);
}

#include "bench_drawing.moc"
