#include "app/CurrentDesign.h"
#include "app/VerificationCommands.h"
#include "calc/Presets.h"
#include "stone/RecipeText.h"
#include "tests/app/MainWindowFixture.h"
#include "windows/FrmReceta.h"
#include "windows/FrmVerificacion.h"

#include <QProcess>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSlider>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

constexpr int traceTimeout = 120000;

QImage picture(const FrmVerificacion &window, const QString &name) {
    return control<QWidget>(window, name)->grab().toImage();
}

QString status(const FrmVerificacion &window) {
    return control<QLabel>(window, QStringLiteral("LabelEstado"))->text();
}

bool tracedWhole(const FrmVerificacion &window) {
    return QTest::qWaitFor([&] { return status(window) == QStringLiteral("Trazado completo."); },
                           traceTimeout);
}

QTableWidget *table(const FrmVerificacion &window) {
    return control<QTableWidget>(window, QStringLiteral("tablaComparacion"));
}

// The diamond computed and its verification opened.
FrmVerificacion *openDiamond(MainWindowFixture &f) {
    QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
    QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
    f.ui().menuItem(QStringLiteral("mnuTaVerificacion"))->trigger();
    return control<FrmVerificacion>(f.window, QStringLiteral("FrmVerificacion"));
}

// The pages of the cut sheet saved as PDF.
int sheetPages(MainWindowFixture &f) {
    QTemporaryDir dir;
    f.cuadro->answer(dir.filePath(QStringLiteral("hoja.pdf")), 2);
    f.ui().menuItem(QStringLiteral("mnuImGuardar"))->trigger();
    QFile pdf(dir.filePath(QStringLiteral("hoja.pdf")));
    if (!pdf.open(QIODevice::ReadOnly))
        return 0;
    return int(QString::fromLatin1(pdf.readAll())
                   .count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

// A verification window of its own, on a design of the diamond.
struct VerificationFixture {
    explicit VerificationFixture(const InputFields &fields, TraceResolution resolution = {})
        : commands(owner, design, resolution) {
        const ComputePlan plan = planComputation(fields, QStringLiteral("."));
        design.setCut(plan.cut, plan.D, stone::nearestGemMaterial(plan.cut.IR));
        commands.open();
        // Its shortcuts need it active; they fail if it never is.
        if (!QTest::qWaitForWindowActive(commands.window()))
            qWarning("The verification window did not become active");
    }
    FrmVerificacion &window() { return *commands.window(); }

    QWidget owner;
    CurrentDesign design{&owner};
    VerificationCommands commands;
};

}  // namespace

class TestVerification : public QObject {
    Q_OBJECT

private slots:
    // Like "&Receta de tallado…", the item waits for a computed cut; its
    // window traces the comparison, then the map again at each tilt; the
    // cut sheet keeps the face-up figures of the design whatever the slider
    // shows, and a new computation updates the window.
    void menuItemFollowsTheCut() {
        MainWindowFixture f;
        QAction *item = f.ui().menuItem(QStringLiteral("mnuTaVerificacion"));
        QVERIFY(!item->isEnabled());
        FrmVerificacion *window = openDiamond(f);
        QVERIFY(tracedWhole(*window));
        QCOMPARE(table(*window)->rowCount(), 4);
        QCOMPARE(sheetPages(f), 3);
        const QImage faceUp = picture(*window, "mapaLuz");
        control<QSlider>(*window, "sliderInclinacion")->setValue(20);
        QVERIFY(tracedWhole(*window));
        QVERIFY(picture(*window, "mapaLuz") != faceUp);
        // A new head cone while the map is tilted: the sheet still has its page.
        typeInto(control<QLineEdit>(*window, "campoCabeza"), QStringLiteral("20"));
        QVERIFY(tracedWhole(*window));
        QCOMPARE(sheetPages(f), 3);
        // CALCULAR on quartz: the same window shows the new stone.
        f.window.setInputs(QStringLiteral("1.544"), QStringLiteral("10"), QStringLiteral("10"));
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        QCOMPARE(f.window.findChild<FrmVerificacion *>(), window);
        QVERIFY(control<QLabel>(*window, "LabelMaterial")->text().contains("1.544"));
        QTest::mouseClick(f.ui().Command4, Qt::LeftButton);
        QVERIFY(!item->isEnabled());
        QTRY_VERIFY(!f.window.findChild<FrmVerificacion *>());
    }

    // The window closed, a new cut's sheet has no 3-D page of the cut before.
    void sheetForgetsAnotherCutsLight() {
        MainWindowFixture f;
        QPointer<FrmVerificacion> window = openDiamond(f);
        QVERIFY(tracedWhole(*window));
        window->close();
        QTRY_VERIFY(!window);
        f.window.setInputs(QStringLiteral("1.544"), QStringLiteral("10"), QStringLiteral("10"));
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        QCOMPARE(sheetPages(f), 2);
    }

    void stoneTurnsByKeysAndDrag() {
        MainWindowFixture f;
        FrmVerificacion *window = openDiamond(f);
        QWidget *stoneView = control<QWidget>(*window, "vistaPiedra");
        const QImage faceUp = picture(*window, "vistaPiedra");
        QTest::keyClick(stoneView, Qt::Key_Right);
        QVERIFY(picture(*window, "vistaPiedra") != faceUp);
        QTest::keyClick(stoneView, Qt::Key_Home);
        QCOMPARE(picture(*window, "vistaPiedra"), faceUp);
        QTest::mousePress(stoneView, Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(stoneView, QPoint(100, 160));
        QVERIFY(picture(*window, "vistaPiedra") != faceUp);
    }

    // The recipe window and this one cut the same stone, whichever chooses;
    // "0,5" reads as 0.5, and a value out of range stays as typed.
    void choicesAreTheRecipes() {
        MainWindowFixture f;
        FrmVerificacion *window = openDiamond(f);
        typeInto(control<QLineEdit>(*window, "campoEstrella"), QStringLiteral("60"));
        f.ui().menuItem(QStringLiteral("mnuTaReceta"))->trigger();
        auto *recipe = control<FrmReceta>(f.window, QStringLiteral("FrmReceta"));
        QCOMPARE(control<QLineEdit>(*recipe, "campoEstrella")->text(), QStringLiteral("60"));
        typeInto(control<QLineEdit>(*recipe, "campoFiletin"), QStringLiteral("2,5"));
        QCOMPARE(control<QLineEdit>(*window, "campoFiletin")->text(), QStringLiteral("2.5"));
        typeInto(control<QLineEdit>(*recipe, "campoPabellon"), QStringLiteral("95"));
        QCOMPARE(control<QLineEdit>(*recipe, "campoPabellon")->text(), QStringLiteral("95"));
        QCOMPARE(control<QLineEdit>(*window, "campoPabellon")->text(), QStringLiteral("80"));
        QVERIFY(control<QLabel>(*recipe, "LabelProblemas")->text().contains("de 10 a 90"));
    }

    // A cut whose crown would lie below the girdle has no stone to show.
    void uncuttableCut() {
        VerificationFixture f({"1.29", "10", "29.128"});
        QCOMPARE(status(f.window()), stone::uncuttableMessage(1.29));
    }

    // A trace far too long to wait for: the window takes the click on its
    // button meanwhile, the trace stops and delivers nothing; the figures
    // of the design before stay greyed, and Escape then closes the window.
    void cancelMidTrace() {
        VerificationFixture f(Presets::diamond.fields, {2000, 2000});
        auto *progress = control<QProgressBar>(f.window(), "progreso");
        QTRY_VERIFY(progress->isVisible());
        // The button's key presses it for a moment, as a click would.
        QTest::keyClick(&f.window(), Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(status(f.window()), QStringLiteral("Trazado cancelado."));
        QVERIFY(!f.commands.figures());
        QCOMPARE(table(f.window())->rowCount(), 0);
        QTest::qWait(200);
        QCOMPARE(status(f.window()), QStringLiteral("Trazado cancelado."));
        QPointer<FrmVerificacion> window = &f.window();
        QTest::keyClick(window, Qt::Key_Escape);
        QTRY_VERIFY(!window);
    }

    // Figures of the choices before stay greyed beside the new choices until
    // their own are traced; Escape cancels a running trace.
    void figuresOfEarlierChoicesAreGreyed() {
        VerificationFixture f(Presets::diamond.fields, {30, 10});
        QVERIFY(tracedWhole(f.window()));
        QVERIFY(table(f.window())->isEnabled());
        const QString figure = table(f.window())->item(0, 1)->text();
        f.design.setValue(stone::DesignValue::headCone, 40);
        QVERIFY(!table(f.window())->isEnabled());
        QTest::keyClick(&f.window(), Qt::Key_Escape);
        QCOMPARE(status(f.window()), QStringLiteral("Trazado cancelado."));
        QVERIFY(!table(f.window())->isEnabled());
        f.design.setValue(stone::DesignValue::headCone, 15);
        QVERIFY(tracedWhole(f.window()));
        QVERIFY(table(f.window())->isEnabled());
        QCOMPARE(table(f.window())->item(0, 1)->text(), figure);
    }

    // Whatever the slider shows, the sheet takes the design's map face up.
    void sheetKeepsTheFaceUpMap() {
        VerificationFixture f(Presets::diamond.fields, {40, 10});
        control<QSlider>(f.window(), "sliderInclinacion")->setValue(30);
        QVERIFY(tracedWhole(f.window()));
        const stone::LightMap kept = f.commands.figures()->faceUpMap;
        const stone::StoneDesign &design = *f.design.design();
        const stone::ConvexBody body(stone::buildBrilliant(design.proportions(), design.choices));
        const stone::LightMap faceUp = stone::lightMap(
            stone::traceView(body, stone::viewSettingsOf(design, 40), {}, stone::Samples::kept));
        QCOMPARE(kept.rows, faceUp.rows);
        const auto greenOf = [](const stone::LightMap &map) {
            double green = 0;
            for (const auto &cell : map.cells)
                green += cell ? cell->green : 0;
            return green;
        };
        QCOMPARE(greenOf(kept), greenOf(faceUp));
    }

    // The window's comparison is the command line's for the same stone and
    // viewer, the eye 25 cm away unless said otherwise.
    void sameFiguresAsTheCommandLine() {
        VerificationFixture f({"2.419", "12", "10"}, {40, 40});
        QVERIFY(tracedWhole(f.window()));
        QProcess cli;
        cli.start(QStringLiteral(CORVELUX_PROGRAM),
                  {"--verificar", "2.419", "12", "10", "--rayos", "40"});
        QVERIFY(cli.waitForFinished());
        const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split("\r\n");
        // The window's figures are the CSV's from brillo_iso on, less the
        // material's dispersion.
        QStringList columns = lines.first().split(u',');
        const int firstFigure = int(columns.indexOf(QStringLiteral("brillo_iso")));
        QTableWidget *shown = table(f.window());
        for (int row = 0; row < shown->rowCount(); ++row) {
            QStringList fields = lines[row + 1].split(u',');
            fields.removeAt(columns.indexOf(QStringLiteral("dispersion")));
            for (int column = 1; column < shown->columnCount(); ++column) {
                const double written = fields[firstFigure + column - 1].toDouble();
                const double inWindow = shown->item(row, column)->text().chopped(2).toDouble();
                QVERIFY2(std::abs(written - inWindow) <= 0.051,
                         qPrintable(QStringLiteral("%1 / %2").arg(written).arg(inWindow)));
            }
        }
    }
};

QTEST_MAIN(TestVerification)
#include "tst_verification.moc"
