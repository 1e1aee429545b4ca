#include "MainWindowFixture.h"

#include "app/SheetCommands.h"
#include "files/CutSheetFile.h"
#include "files/FileMessages.h"
#include "tests/files/tst_parameterfile_files.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QMenu *imageMenu(const Form1 &window) {
    return control<QMenu>(window, QStringLiteral("mnuImagen"));
}

QAction *menuItem(const Form1 &window, const char *name) {
    return control<QAction>(window, QString::fromLatin1(name));
}

void computeDiamond(MainWindowFixture &f) {
    QTest::mouseClick(f.ui().Command3, Qt::LeftButton);
    QTest::mouseClick(f.ui().Command2, Qt::LeftButton);
}

}  // namespace

class TestSheetCommands : public QObject {
    Q_OBJECT

private slots:
    // The items, and "&Receta de tallado…", act on a computed drawing:
    // disabled until there is one, and again once it is cleared.
    void itemsFollowTheDrawing_data() {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<bool>("enabled");
        const QStringList computed{"Command3", "Command2"};  // DIAMANTE, CALCULAR
        QTest::newRow("before a computation") << QStringList() << false;
        QTest::newRow("after one") << computed << true;
        QTest::newRow("after ?") << computed + QStringList{"Command5"} << false;
        QTest::newRow("after CUARZO") << computed + QStringList{"Command4"} << false;
        QTest::newRow("after a rejected one")
            << computed + QStringList{"Command5", "Command2"} << false;
    }
    void itemsFollowTheDrawing() {
        QFETCH(QStringList, presses);
        QFETCH(bool, enabled);
        MainWindowFixture f;
        for (const QString &button : presses)
            QTest::mouseClick(f.ui().button(qPrintable(button)), Qt::LeftButton);
        QStringList items;
        for (const QAction *item : imageMenu(f.window)->actions()) {
            QCOMPARE(item->isEnabled(), enabled);
            items.append(item->text());
        }
        QCOMPARE(menuItem(f.window, "mnuTaReceta")->isEnabled(), enabled);
        QCOMPARE(items, (QStringList{"Copiar imagen", "Guardar hoja de corte…",
                                     "Imprimir hoja de corte…"}));
    }

    // A right click on either area opens the menu where it was clicked, and
    // "Guardar hoja de corte…" clicked there replaces the file with the sheet
    // in the format that the name's extension says, or else the chosen
    // type's; another extension is refused. A file that cannot be replaced
    // (no room for the temporary file beside a name at the limit) stays
    // whole, with one message.
    void saveFromTheMenu_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("type");  // 0 PDF, 1 SVG, 2 PNG
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("PNG chosen") << "Picture1"
                                    << "hoja" << 2 << "hoja.png" << QByteArray("\x89PNG");
        QTest::newRow("PDF chosen") << "Picture2"
                                    << "hoja" << 0 << "hoja.pdf" << QByteArray("%PDF-");
        QTest::newRow("SVG named") << "Picture1"
                                   << "hoja.SVG" << 2 << "hoja.SVG" << QByteArray("<?xml");
        QTest::newRow("a number is no extension")
            << "Picture2"
            << "hoja-2.419" << 1 << "hoja-2.419.svg" << QByteArray("<?xml");
        QTest::newRow("other extension") << "Picture2"
                                         << "hoja3.jpg" << 2 << "hoja3.jpg" << QByteArray("old");
        const QString longest = nameAtTheLimit() + ".pdf";
        QTest::newRow("cannot replace")
            << "Picture1" << longest << 0 << longest << QByteArray("old");
    }
    void saveFromTheMenu() {
        QFETCH(QString, area);
        QFETCH(QString, typed);
        QFETCH(int, type);
        QFETCH(QString, saved);
        QFETCH(QByteArray, start);
        MainWindowFixture f;
        computeDiamond(f);
        QTemporaryDir dir;
        createFile(dir.filePath(saved), "old");
        f.cuadro->answer(dir.filePath(typed), type);

        const CanvasWidget *canvas = f.ui().canvas(qPrintable(area));
        const QPoint at(30, 40);
        QTest::mouseClick(f.window.windowHandle(), Qt::RightButton, {},
                          canvas->mapTo(&f.window, at));
        QMenu *menu = imageMenu(f.window);
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->pos(), canvas->mapToGlobal(at));
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(menuItem(f.window, "mnuImGuardar")).center());

        QVERIFY(contentsOf(dir.filePath(saved)).startsWith(start));
        QCOMPARE(f.cuadro->requests().constLast().fileTypes,
                 (FileTypes{{"Documento PDF (*.pdf)", "*.pdf", "pdf"},
                            {"Imagen SVG (*.svg)", "*.svg", "svg"},
                            {"Imagen PNG (*.png)", "*.png", "png"}}));
        const QString path = dir.filePath(saved);
        const QString message = start != "old" ? QString()
                                : isCutSheetFileName(path)
                                    ? FileMessages::cannotSave(path)
                                    : FileMessages::notACutSheetName(path, cutSheetExtensions());
        QCOMPARE(f.messages->messages(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    // The dialog proposes a name after the IR, in the folder of the last
    // sheet once there is one.
    void proposesANameInTheLastFolder() {
        MainWindowFixture f;
        computeDiamond(f);
        QTemporaryDir dir;
        f.cuadro->answer(dir.filePath(QStringLiteral("hoja.pdf")));
        menuItem(f.window, "mnuImGuardar")->trigger();
        menuItem(f.window, "mnuImGuardar")->trigger();
        QCOMPARE(
            f.cuadro->requests()[0].proposed + u'|' + f.cuadro->requests()[1].proposed,
            "hoja-de-corte-2.419.pdf|" + dir.filePath(QStringLiteral("hoja-de-corte-2.419.pdf")));
    }

    // What the platform sends for the Menu key opens the menu too.
    void menuKeyOpensTheMenu() {
        MainWindowFixture f;
        const QPoint at(5, 5);
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, at,
                                  f.ui().Picture2->mapToGlobal(at));
        QApplication::sendEvent(f.ui().Picture2, &menuKey);
        QVERIFY(imageMenu(f.window)->isVisible());
    }

    // "Copiar imagen" copies the drawing clicked as it shows it, and the
    // results that Picture1 shows as text (the help's worked example).
    void copiesTheDrawingClicked_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("text");
        QTest::newRow("Picture1") << "Picture1"
                                  << "i = 34.93 º\nalfa = 40.71 º\nD = 10 mm.\na = 5.377 mm.\n"
                                     "b = 2.311 mm.\nH = 5.918\nq = 1.614\nn = 4.303";
        QTest::newRow("Picture2") << "Picture2" << QString();
    }
    void copiesTheDrawingClicked() {
        QFETCH(QString, area);
        QFETCH(QString, text);
        MainWindowFixture f;
        computeDiamond(f);
        QGuiApplication::clipboard()->clear();
        const CanvasWidget *canvas = f.ui().canvas(qPrintable(area));
        QTest::mouseClick(f.window.windowHandle(), Qt::RightButton, {},
                          canvas->mapTo(&f.window, QPoint(30, 40)));
        menuItem(f.window, "mnuImCopiar")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image(), canvas->image());
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    // Printed on a printer that writes a PDF: two pages.
    void print_data() {
        QTest::addColumn<QString>("pdf");  // empty: the dialog is cancelled
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("printed") << "hoja.pdf" << 2 << QStringList();
        QTest::newRow("cancelled") << QString() << 0 << QStringList();
        QTest::newRow("printer fails")
            << "no/hay/hoja.pdf" << 0 << QStringList{cannotPrintMessage()};
    }
    void print() {
        QFETCH(QString, pdf);
        QFETCH(int, pages);
        QFETCH(QStringList, messages);
        MainWindowFixture f;
        computeDiamond(f);
        QTemporaryDir dir;
        f.printDialog->pdfFile = pdf.isEmpty() ? pdf : dir.filePath(pdf);
        menuItem(f.window, "mnuImImprimir")->trigger();
        const QString printed = QString::fromLatin1(contentsOf(f.printDialog->pdfFile));
        QCOMPARE(printed.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), pages);
        QCOMPARE(f.printDialog->requests, 1);
        QCOMPARE(f.messages->messages(), messages);
    }
};

QTEST_MAIN(TestSheetCommands)
#include "tst_sheetcommands.moc"
