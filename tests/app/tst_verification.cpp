#include "app/VerificationCommands.h"
#include "calc/Presets.h"
#include "stone/RecipeText.h"
#include "tests/app/MainWindowFixture.h"
#include "windows/FrmReceta.h"
#include "windows/FrmVerificacion.h"

#include <QDoubleSpinBox>
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

// The diamond computed and its verification opened.
FrmVerificacion *openDiamond(MainWindowFixture &f) {
    QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
    QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
    f.ui().menuItem(QStringLiteral("mnuTaVerificacion"))->trigger();
    return control<FrmVerificacion>(f.window, QStringLiteral("FrmVerificacion"));
}

}  // namespace

class TestVerification : public QObject {
    Q_OBJECT

private slots:
    // Like "&Receta de tallado…", the item waits for a computed cut; its
    // window traces the comparison, then the map again at each tilt.
    void menuItemFollowsTheCut() {
        MainWindowFixture f;
        QAction *item = f.ui().menuItem(QStringLiteral("mnuTaVerificacion"));
        QVERIFY(!item->isEnabled());
        FrmVerificacion *window = openDiamond(f);
        QVERIFY(tracedWhole(*window));
        QCOMPARE(control<QTableWidget>(*window, "tablaComparacion")->rowCount(), 4);
        // Traced, the verification is the cut sheet's third page.
        QTemporaryDir dir;
        f.cuadro->answer(dir.filePath(QStringLiteral("hoja.pdf")), 2);
        f.ui().menuItem(QStringLiteral("mnuImGuardar"))->trigger();
        QFile pdf(dir.filePath(QStringLiteral("hoja.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QString written = QString::fromLatin1(pdf.readAll());
        QCOMPARE(written.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 3);
        // The tilt slider traces the map again.
        const QImage faceUp = picture(*window, "mapaLuz");
        control<QSlider>(*window, "sliderInclinacion")->setValue(20);
        QVERIFY(tracedWhole(*window));
        QVERIFY(picture(*window, "mapaLuz") != faceUp);
        QTest::mouseClick(f.ui().Command4, Qt::LeftButton);
        QVERIFY(!item->isEnabled());
        QTRY_VERIFY(!f.window.findChild<FrmVerificacion *>());
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

    // The recipe window and this one cut the same stone, whichever chooses.
    void choicesAreTheRecipes() {
        MainWindowFixture f;
        FrmVerificacion *window = openDiamond(f);
        control<QDoubleSpinBox>(*window, "spinEstrella")->setValue(60);
        f.ui().menuItem(QStringLiteral("mnuTaReceta"))->trigger();
        auto *recipe = control<FrmReceta>(f.window, QStringLiteral("FrmReceta"));
        QCOMPARE(control<QDoubleSpinBox>(*recipe, "spinEstrella")->value(), 60.0);
        control<QDoubleSpinBox>(*recipe, "spinPabellon")->setValue(70);
        QCOMPARE(window->cutChoices().lowerGirdlePercent, 70.0);
    }

    // A cut whose crown would lie below the girdle has no stone to show.
    void uncuttableCut() {
        QWidget owner;
        VerificationCommands commands(owner);
        commands.setCut(planComputation({"1.29", "10", "29.128"}, QStringLiteral(".")).cut);
        commands.open({});
        QCOMPARE(status(*commands.window()), stone::uncuttableMessage(1.29));
    }

    // A trace far too long to wait for: the window takes the click on its
    // button meanwhile, and the trace stops.
    void cancelMidTrace() {
        QWidget owner;
        VerificationCommands commands(owner, {2000, 2000});
        commands.setCut(planComputation(Presets::diamond, QStringLiteral(".")).cut);
        commands.open({});
        FrmVerificacion &window = *commands.window();
        auto *progress = control<QProgressBar>(window, "progreso");
        QTRY_VERIFY(progress->isVisible());
        QTest::mouseClick(control<QPushButton>(window, "botonCancelar"), Qt::LeftButton);
        QCOMPARE(status(window), QStringLiteral("Trazado cancelado."));
        QCOMPARE(control<QTableWidget>(window, "tablaComparacion")->rowCount(), 0);
    }
};

QTEST_MAIN(TestVerification)
#include "tst_verification.moc"
