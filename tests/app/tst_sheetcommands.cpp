#include "MainWindowFixture.h"

#include "app/SheetCommands.h"
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
        QCOMPARE(items, (QStringList{"Copiar imagen", "Guardar imagen…", "Imprimir…"}));
    }

    // A right click on either area opens the menu where it was clicked, and
    // "Guardar imagen…" clicked there replaces the file with the sheet in
    // the format that the name says, or else the chosen type's; a file that
    // cannot be replaced (no room for the temporary file beside a name at
    // the limit) stays whole, with one message.
    void saveFromTheMenu_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("type");  // 0 PNG, 1 SVG, 2 PDF
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("PNG chosen") << "Picture1"
                                    << "hoja" << 0 << "hoja.png" << QByteArray("\x89PNG");
        QTest::newRow("PDF chosen") << "Picture2"
                                    << "hoja" << 2 << "hoja.pdf" << QByteArray("%PDF-");
        QTest::newRow("SVG named") << "Picture1"
                                   << "hoja.SVG" << 2 << "hoja.SVG" << QByteArray("<?xml");
        QTest::newRow("other extension") << "Picture2"
                                         << "hoja.v2" << 1 << "hoja.v2.svg" << QByteArray("<?xml");
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
                 (FileTypes{{"Imagen PNG (*.png)", "*.png"},
                            {"Imagen SVG (*.svg)", "*.svg"},
                            {"Documento PDF (*.pdf)", "*.pdf"}}));
        const bool failed = start == "old";
        QCOMPARE(
            f.messages->messages(),
            failed ? QStringList{FileMessages::cannotSave(dir.filePath(saved))} : QStringList());
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

    void copyPutsBothA4PagesOnTheClipboard() {
        MainWindowFixture f;
        computeDiamond(f);
        QGuiApplication::clipboard()->clear();
        menuItem(f.window, "mnuImCopiar")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(2480, 2 * 3508));
    }

    // Printed on a printer that writes a PDF: two pages.
    void print_data() {
        QTest::addColumn<QString>("pdf");  // empty: the dialog is cancelled
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("printed") << "hoja.pdf" << 2 << QStringList();
        QTest::newRow("cancelled") << QString() << 0 << QStringList();
        QTest::newRow("printer fails") << "no/hay/hoja.pdf" << 0 << QStringList{cannotPrintMessage};
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
