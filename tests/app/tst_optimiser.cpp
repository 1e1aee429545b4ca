#include "app/CurrentDesign.h"
#include "app/OptimiserCommands.h"
#include "app/RecipeCommands.h"
#include "calc/ComputePlan.h"
#include "stone/CutFigures.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/SmallSearch.h"
#include "windows/FrmOptimizar.h"
#include "windows/FrmReceta.h"

#include <QProgressBar>
#include <QTableWidget>

namespace {

constexpr int searchTimeout = 120000;

QString status(const FrmOptimizar &window) {
    return control<QLabel>(window, QStringLiteral("LabelEstado"))->text();
}

QTableWidget *table(const FrmOptimizar &window) {
    return control<QTableWidget>(window, QStringLiteral("tablaComparacion"));
}

// The diamond's design, and the search's window on it.
struct OptimiserFixture {
    explicit OptimiserFixture(SearchEffort effort = smallSearch())
        : commands(owner, design, effort) {
        const ComputePlan plan = planComputation({"2.417", "10", "0"}, QStringLiteral("."));
        design.setCut(plan.cut, plan.D, stone::nearestGemMaterial(plan.cut.IR));
        commands.open();
    }
    FrmOptimizar &window() { return *commands.window(); }
    void press(const char *button) {
        QTest::mouseClick(control<QPushButton>(window(), button), Qt::LeftButton);
    }

    QWidget owner;
    CurrentDesign design{&owner};
    OptimiserCommands commands;
};

}  // namespace

class TestOptimiser : public QObject {
    Q_OBJECT

private slots:
    // The cut found stands first, beside the start points, never darker at
    // the fine grid than the brightest of them; used, it is the design's cut
    // until the next computation.
    void foundCutIsUsed() {
        OptimiserFixture f;
        f.press("botonBuscar");
        QVERIFY(QTest::qWaitFor([&] { return table(f.window())->rowCount() == 5; }, searchTimeout));
        QCOMPARE(table(f.window())->item(0, 0)->text(), QStringLiteral("Optimizada"));
        const std::vector<stone::FigureColumn> columns = stone::figureColumns();
        const int tilted =
            1 + int(std::find_if(columns.begin(), columns.end(),
                                 [](const stone::FigureColumn &c) { return c.ranks; }) -
                    columns.begin());
        const auto figure = [&](int row) {
            return table(f.window())->item(row, tilted)->text().chopped(2).toDouble();
        };
        for (int row = 1; row < 5; ++row)
            QVERIFY(figure(0) >= figure(row) - 0.05);
        f.press("botonUsar");
        QVERIFY(f.design.design()->optimised);
        const ComputePlan plan = planComputation({"2.417", "10", "0"}, QStringLiteral("."));
        f.design.setCut(plan.cut, plan.D, stone::nearestGemMaterial(plan.cut.IR));
        QVERIFY(!f.design.design()->optimised);
        QCOMPARE(table(f.window())->rowCount(), 5);  // the same search still holds
    }

    // A range the wrong way round is refused before any search; a search
    // far too long to wait for stops on the button.
    void badBoundsAndCancel() {
        SearchEffort slow = smallSearch();
        slow.budget.coarseRaysAcross = 400;
        OptimiserFixture f(slow);
        typeInto(control<QLineEdit>(f.window(), "campoMesaMin"), QStringLiteral("65"));
        typeInto(control<QLineEdit>(f.window(), "campoMesaMax"), QStringLiteral("50"));
        f.press("botonBuscar");
        QVERIFY(control<QLabel>(f.window(), "LabelProblemas")->text().contains("mínimo es mayor"));
        QVERIFY(!control<QProgressBar>(f.window(), "progreso")->isVisible());
        typeInto(control<QLineEdit>(f.window(), "campoMesaMax"), QStringLiteral("70"));
        f.press("botonBuscar");
        QTRY_VERIFY(control<QProgressBar>(f.window(), "progreso")->isVisible());
        f.press("botonCancelar");
        QCOMPARE(status(f.window()), QStringLiteral("Búsqueda cancelada."));
        QTest::qWait(300);
        QCOMPARE(table(f.window())->rowCount(), 0);
    }

    // From the main window: the menu item waits for a cut, and the recipe
    // window says which cut it shows.
    void recipeSaysWhichCut() {
        MainWindowFixture f;
        QAction *item = f.ui().menuItem(QStringLiteral("mnuTaOptimizar"));
        QVERIFY(!item->isEnabled());
        QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
        QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
        QVERIFY(item->isEnabled());
        f.ui().menuItem(QStringLiteral("mnuTaReceta"))->trigger();
        auto *recipe = control<FrmReceta>(f.window, QStringLiteral("FrmReceta"));
        QCOMPARE(control<QLabel>(*recipe, "LabelOpciones")->text(),
                 QStringLiteral("TALLA CALCULADA"));
        item->trigger();
        QVERIFY(f.window.findChild<FrmOptimizar *>());
    }
};

QTEST_MAIN(TestOptimiser)
#include "tst_optimiser.moc"
