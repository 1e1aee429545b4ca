#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "drawing/FacetDiagram.h"
#include "stone/Brilliant.h"
#include "tests/support/RecordingCanvas.h"

#include <QTest>

Q_DECLARE_METATYPE(stone::CutChoices)

namespace {

const FacetDiagramLayout layout{{100, 100}, {300, 100}, 80, {6, 10}};

// A code's centre: where its text, printed from a SetPosition, is centred.
QPointF codeCentre(const CanvasCall &setPosition, const QString &code) {
    return {setPosition.args[0] + code.size() * 3, setPosition.args[1] + 5};
}

}  // namespace

class TestFacetDiagram : public QObject {
    Q_OBJECT

private slots:
    // Every facet once, as a closed outline with its code, for any choices.
    void eachFacetOutlinedAndMarked_data() {
        QTest::addColumn<double>("IR");
        QTest::addColumn<stone::CutChoices>("choices");
        QTest::newRow("diamond") << 2.419 << stone::CutChoices{};
        QTest::newRow("IR 1.3, 10 % girdle") << 1.3 << stone::CutChoices{10, 50, 80};
        QTest::newRow("IR 4, short stars, long halves") << 4.0 << stone::CutChoices{0, 10, 90};
    }
    void eachFacetOutlinedAndMarked() {
        QFETCH(double, IR);
        QFETCH(stone::CutChoices, choices);
        RecordingCanvas canvas;
        drawFacetDiagram(
            canvas,
            stone::buildBrilliant(stone::proportionsOf(solveCut(IR, 10 * pi / 180)), choices),
            layout);
        QMap<QString, int> codes;
        QPointF start, pen;
        for (const CanvasCall &call : canvas.calls()) {
            if (call.op == u"DrawLine") {
                start = QPointF(call.args[0], call.args[1]);
                pen = QPointF(call.args[2], call.args[3]);
            } else if (call.op == u"ContinueLineBy") {
                pen += QPointF(call.args[0], call.args[1]);
            } else if (call.op == u"SetPosition") {
                QVERIFY((pen - start).manhattanLength() < 1e-3);
            } else if (call.op == u"PrintLine") {
                ++codes[call.text];
            }
        }
        const QMap<QString, int> expected{{"T", 1},   {"C1", 8}, {"C2", 8},
                                          {"C3", 16}, {"P1", 8}, {"P2", 16}};
        QCOMPARE(codes, expected);
        QCOMPARE(canvas.callsNamed(QStringLiteral("DrawLine")).size(), 57);
    }

    // The table on the crown's centre; azimuth 0 to the right from above and
    // so to the left from below.
    void viewsSeenFromAboveAndBelow_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QPointF>("near");
        QTest::newRow("table") << "T" << QPointF(100, 100);
        QTest::newRow("first bezel") << "C1" << QPointF(100 + 60, 100);
        QTest::newRow("first pavilion main") << "P1" << QPointF(300 - 40, 100);
    }
    void viewsSeenFromAboveAndBelow() {
        QFETCH(QString, code);
        QFETCH(QPointF, near);
        RecordingCanvas canvas;
        drawFacetDiagram(canvas, stone::buildBrilliant({0.55, 34.5, 40.75}), layout);
        const QList<CanvasCall> calls = canvas.calls();
        const auto first = std::find_if(calls.begin(), calls.end(),
                                        [&code](const CanvasCall &c) { return c.text == code; });
        QVERIFY((codeCentre(*(first - 1), code) - near).manhattanLength() < 25);
    }
};

QTEST_MAIN(TestFacetDiagram)
#include "tst_facetdiagram.moc"
