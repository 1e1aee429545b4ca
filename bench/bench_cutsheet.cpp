// Times the cut sheet of the diamond preset written as PDF, SVG and PNG
// (A4 at 300 dpi), from the computed cut to the file on disk: each should
// take well under 200 ms, so that saving or copying it feels immediate.

#include "OffscreenBenchmark.h"
#include "PresetDrawing.h"
#include "drawing/CutSheet.h"
#include "files/CutSheetFile.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

class BenchCutSheet : public QObject {
    Q_OBJECT

private slots:
    void write_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("PDF") << "hoja.pdf";
        QTest::newRow("SVG") << "hoja.svg";
        QTest::newRow("PNG") << "hoja.png";
    }

    void write() {
        QFETCH(QString, name);
        const ComputePlan plan = planPreset(Presets::diamond.fields);
        const CutSheetContent content{
            stone::designOf(plan.cut, plan.D, stone::nearestGemMaterial(plan.cut.IR)),
            QDate::currentDate(),
            {}};
        QTemporaryDir dir;
        const QString fileName = dir.filePath(name);
        QString error;
        QBENCHMARK {
            error = writeCutSheet(fileName, content);
        }
        QCOMPARE(error, QString());
    }
};

int main(int argc, char *argv[]) {
    return runOffscreenBenchmark<QGuiApplication, BenchCutSheet>(argc, argv);
}

#include "bench_cutsheet.moc"
