#include "RecordedCalls.h"
#include "calc/Constants.h"
#include "calc/CutSolver.h"
#include "drawing/Profile.h"

#include <QTest>

namespace {

CutResult preset(double IR, double epsDegrees) {
    return solveCut(IR, epsDegrees * pi / 180);
}

CutResult proportions(double qRatio, double nRatio) {
    CutResult cut;
    cut.qRatio = qRatio;
    cut.nRatio = nRatio;
    return cut;
}

QList<double> floats(std::initializer_list<double> values) {
    QList<double> rounded;
    for (const double value : values)
        rounded.append(float(value));
    return rounded;
}

const QString mirrorWarning = QStringLiteral("    ESPEJAR o  AUMENTAR épsilon");

}  // namespace

class TestProfile : public QObject {
    Q_OBJECT

private slots:
    void outlineIsOneChainOfSixLines() {
        const CutResult cut = preset(2.419, 10);
        RecordingCanvas canvas;
        drawOutline(canvas, 100, 2000, 3000, cut);
        const QList<CanvasCall> expected{
            {QStringLiteral("DrawLineBy"), floats({100, 2000, 3000, 0}), {}},
            {QStringLiteral("ContinueLineBy"),
             floats({-3000 * cut.bRatio, -3000 * cut.qRatio}),
             {}},
            {QStringLiteral("ContinueLineBy"), floats({-3000 * cut.aRatio, 0}), {}},
            {QStringLiteral("ContinueLineBy"), floats({-3000 * cut.bRatio, 3000 * cut.qRatio}), {}},
            {QStringLiteral("ContinueLineBy"), floats({1500, 3000 * cut.nRatio}), {}},
            {QStringLiteral("ContinueLineBy"), floats({1500, -3000 * cut.nRatio}), {}},
        };
        QCOMPARE(canvas.calls(), expected);
        // The chain closes at the right end of the girdle line.
        QVERIFY(near(canvas.pen(), QPointF(3100, 2000), 0.01));
    }

    void fitsTheScaledProfile_data() {
        QTest::addColumn<CutResult>("cut");
        QTest::addColumn<double>("width");

        QTest::newRow("diamond: pavilion fit only") << preset(2.419, 10) << 4414.4;
        QTest::newRow("flat stone: no fit") << proportions(0.1, 0.3) << 4500.0;
        // 0.5 * 4500 + 350 = 2600 > 2000 gives 3461.54; then
        // 0.6 * 3461.54 + 1300 = 3376.92 > 3175 gives 3254.56.
        QTest::newRow("tall and deep: both fits in turn") << proportions(0.5, 0.6) << 3254.56;
        QTest::newRow("tall only: crown fit") << proportions(0.5, 0.3) << 3461.54;
    }

    void fitsTheScaledProfile() {
        QFETCH(CutResult, cut);
        QFETCH(double, width);
        const ProfilePlacement place = fitProfile(cut);
        QCOMPARE(place.profileLeft, 2200.0);
        QCOMPARE(place.girdleY, 2000.0);
        QVERIFY2(near(place.profileWidth, width), qPrintable(QString::number(place.profileWidth)));
    }

    void diamondOnPicture1() {
        const CutResult cut = preset(2.419, 10);
        RecordingCanvas picture1;
        RecordingCanvas picture2;
        drawProfile(picture1, picture2, cut);
        const QList<CanvasCall> &calls = picture1.calls();
        QCOMPARE(operations(calls),
                 QStringList({"DrawLineBy", "ContinueLineBy", "ContinueLineBy", "ContinueLineBy",
                              "ContinueLineBy", "ContinueLineBy", "DrawArc", "DrawCircle",
                              "DrawCircle", "DrawCircle", "SetPosition", "PrintLine", "SetPosition",
                              "PrintLine", "DrawLine"}));
        const double width = calls[0].args[2];
        QVERIFY(near(width, 4414.4));
        QCOMPARE(calls[0].args.mid(0, 2), (QList<double>{2200, 2000}));
        // Table at y about 1287, culet at about 3900.
        QVERIFY(near(2000 + calls[1].args[1], 1287.2, 0.5));
        QVERIFY(near(2000 + calls[4].args[1], 3899.7, 0.5));

        QCOMPARE(calls[6].args,
                 floats({2200, 2000, 600, 1, 2 * pi - cut.alfa - pi / 20, cut.i + pi / 20}));
        QCOMPARE(calls[7].args, floats({2800, 2000, 20}));
        QCOMPARE(calls[8].args,
                 floats({2200 + 600 * std::cos(cut.i), 2000 - 600 * std::sin(cut.i), 20}));
        QCOMPARE(calls[9].args,
                 floats({2200 + 600 * std::cos(cut.alfa), 2000 + 600 * std::sin(cut.alfa), 20}));
        QCOMPARE(calls[10].args,
                 floats({2200 + 600 * std::cos(cut.i) - 175, 2000 - 600 * std::sin(cut.i) - 200}));
        QCOMPARE(calls[11].text, QStringLiteral("i º"));
        QCOMPARE(calls[12].args, floats({2200 + 600 * std::cos(cut.alfa) - 400,
                                         2000 + 600 * std::sin(cut.alfa) + 35}));
        QCOMPARE(calls[13].text, QStringLiteral("alfa º"));
        // The axis from near the top to 100 below the culet.
        QVERIFY(near(lineStart(calls[14]), QPointF(2200 + 4414.4 / 2, 300)));
        QVERIFY(near(lineEnd(calls[14]), QPointF(2200 + 4414.4 / 2, 3999.7), 0.5));
    }

    // However wide the pavilion's name prints (a longer word, a wider face),
    // it ends left of the pavilion line, which it sits below.
    void pavilionNameClearsTheLine_data() {
        QTest::addColumn<CutResult>("cut");
        QTest::addColumn<float>("letterWidth");
        QTest::newRow("diamond, narrow letters") << preset(2.419, 10) << 60.0f;
        QTest::newRow("diamond, wide letters") << preset(2.419, 10) << 120.0f;
        QTest::newRow("quartz 1.54 / 0, wide letters") << preset(1.54, 0) << 120.0f;
        QTest::newRow("steep pavilion 3.0 / 60, wide letters") << preset(3.0, 60) << 120.0f;
    }

    void pavilionNameClearsTheLine() {
        QFETCH(CutResult, cut);
        QFETCH(float, letterWidth);
        RecordingCanvas picture1(210, letterWidth);
        RecordingCanvas picture2;
        drawProfile(picture1, picture2, cut);
        const CanvasCall name = picture1.callsNamed(QStringLiteral("PrintLine")).at(1);
        const QPointF topLeft = lineStart(name);
        // The pavilion line leaves the girdle's left end, (2200, 2000), at alfa.
        const double lineX = 2200 + (topLeft.y() - 2000) / std::tan(cut.alfa);
        const double end = topLeft.x() + picture1.TextWidth(name.text);
        QVERIFY2(end < lineX, qPrintable(QStringLiteral("%1 >= %2").arg(end).arg(lineX)));
    }

    void mirrorWarningOnPicture2_data() {
        QTest::addColumn<CutResult>("cut");
        QTest::addColumn<bool>("warned");

        QTest::newRow("1.54 / 0: alfa below the critical angle") << preset(1.54, 0) << true;
        QTest::newRow("1.54 / 12: quartz preset") << preset(1.54, 12) << false;
        QTest::newRow("2.419 / 10: diamond preset") << preset(2.419, 10) << false;
        CutResult equal = preset(1.54, 0);
        equal.critAngle = equal.alfa;
        QTest::newRow("critical angle equal to alfa") << equal << false;
    }

    void mirrorWarningOnPicture2() {
        QFETCH(CutResult, cut);
        QFETCH(bool, warned);
        RecordingCanvas picture1;
        RecordingCanvas picture2;
        drawProfile(picture1, picture2, cut);
        const QList<CanvasCall> &calls = picture2.calls();
        RecordingCanvas outline;
        drawOutline(outline, 100, 2000, 3000, cut);
        QCOMPARE(calls.mid(0, 6), outline.calls());
        if (!warned) {
            QCOMPARE(calls.size(), 6);
            return;
        }
        const QList<CanvasCall> warning{
            {QStringLiteral("DrawLineBy"), floats({100, 2075, 1500, 3000 * cut.nRatio}), {}},
            {QStringLiteral("ContinueLineBy"), floats({1500, -3000 * cut.nRatio}), {}},
            {QStringLiteral("SetPosition"), {200, 3550}, {}},
            {QStringLiteral("PrintLine"), {200, 3550}, mirrorWarning},
        };
        QCOMPARE(calls.mid(6), warning);
        QVERIFY(picture1.callsNamed(QStringLiteral("PrintLine")).size() == 2);
    }

    void dimensionLinesThenLetters() {
        const CutResult cut = preset(2.419, 10);
        const ProfilePlacement place = fitProfile(cut);
        const double left = 2200;
        const double right = left + place.profileWidth;
        const double table = 2000 - cut.qRatio * place.profileWidth;
        const double culet = 2000 + cut.nRatio * place.profileWidth;
        const double facet = cut.bRatio * place.profileWidth;
        RecordingCanvas picture1;
        drawDimensions(picture1, cut);
        const QList<CanvasCall> &calls = picture1.calls();
        QCOMPARE(calls.size(), 15 + 2 * 7);
        QCOMPARE(picture1.callsNamed(QStringLiteral("DrawLine")), calls.mid(0, 15));

        QCOMPARE(calls[0].args, floats({left, culet + 300, right, culet + 300}));
        QCOMPARE(calls[3].args, floats({left + facet, culet + 550, left + facet, culet + 650}));
        QCOMPARE(calls[4].args, floats({right - facet, culet + 550, right - facet, culet + 650}));
        QCOMPARE(calls[9].args, floats({right + 600, table, right + 600, culet}));
        QCOMPARE(calls[14].args, floats({right + 250, 2000, right + 350, 2000}));

        QStringList letters;
        QList<QPointF> places;
        for (const CanvasCall &print : picture1.callsNamed(QStringLiteral("PrintLine"))) {
            letters.append(print.text);
            places.append(lineStart(print));
        }
        QCOMPARE(letters, QStringList({"D", "a", "b", "b", "q", "n", "H"}));
        QCOMPARE(places[0].x(), places[1].x());                            // D and a share their x
        QVERIFY(near(places[2].x() - left, right - places[3].x(), 0.01));  // mirrored b
        QVERIFY(near(places[2], QPointF(left + facet / 2, culet + 400)));
        QVERIFY(near(places[4],
                     QPointF(right + 150, 2000 - cut.qRatio * place.profileWidth / 2 - 100)));
        QVERIFY(near(places[5],
                     QPointF(right + 150, 2000 + cut.nRatio * place.profileWidth / 2 - 100)));
        QVERIFY(near(places[6], QPointF(right + 450, (table + culet) / 2 - 100)));
    }
};

QTEST_APPLESS_MAIN(TestProfile)
#include "tst_profile.moc"
