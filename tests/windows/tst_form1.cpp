#include "ControlChecks.h"
#include "tests/support/Controls.h"
#include "windows/Form1.h"
#include "windows/PictureButton.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor maroon(0x40, 0x00, 0x00);
const QColor lightOrange(0xFF, 0xC0, 0x80);
const QColor orange(0xFF, 0x80, 0x00);
const QColor darkOrange(0xC0, 0x40, 0x00);
const QColor darkPurple(0x40, 0x00, 0x40);
const QColor lightPeach(0xFF, 0xE0, 0xC0);
const QColor red(0xFF, 0x00, 0x00);
const QColor systemColour;

constexpr Qt::Alignment toLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment toRight = Qt::AlignRight | Qt::AlignTop;
constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignTop;
constexpr Qt::Alignment fieldLeft = Qt::AlignLeft | Qt::AlignVCenter;

const QString calcularTip = QStringLiteral("Clique aquí y vaya a \"CALCULAR\"");

// The focus order of the window, Tab by Tab.
const QStringList tabOrder = {QStringLiteral("Text1"),    QStringLiteral("Text3"),
                              QStringLiteral("Text2"),    QStringLiteral("Command2"),
                              QStringLiteral("Command1"), QStringLiteral("Command5"),
                              QStringLiteral("Picture1"), QStringLiteral("Picture2"),
                              QStringLiteral("Command3"), QStringLiteral("Command4")};

}  // namespace

class TestForm1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void window();
    void clientAreaOpensAtItsScreenPosition();
    void resizingLeavesControlsInPlace();
    void tabVisitsTheVisibleControlsInOrder();
    void enterPressesTheFocusedButtonOnly_data();
    void enterPressesTheFocusedButtonOnly();
    void labelsWrapUnlessAutoSize();
    void fieldsTakeTextOfAnyLength();
    void accessibleNames_data();
    void accessibleNames();
    void fieldsHaveASunkenBorder_data();
    void fieldsHaveASunkenBorder();
    void buttonsAreFilledWithTheirColour_data();
    void buttonsAreFilledWithTheirColour();
    void diamondPictureIsCentred();
    void quartzPictureIsCentredAndClippedUnscaled();
    void menuBar();
    void menu_data();
    void menu();
    void fontRequestsGetTheFaceOrItsStandIn_data();
    void fontRequestsGetTheFaceOrItsStandIn();

private:
    std::unique_ptr<Form1> m_window;
};

void TestForm1::init() {
    m_window = std::make_unique<Form1>();
    QVERIFY(showActive(*m_window));
}

void TestForm1::cleanup() {
    m_window.reset();
}

void TestForm1::controls_data() {
    QTest::addColumn<ControlLayout>("entry");
    const auto row = [](const char *name, const ControlLayout &entry) {
        // One row per control, as in the layout table.
        // clang-format off
    QTest::newRow(name) << entry;
    };
    const QString arialBlack = QStringLiteral("Arial Black");
    const QString arial = QStringLiteral("Arial");
    const QString msSansSerif = QStringLiteral("MS Sans Serif");
    const QString edit = QStringLiteral("QLineEdit");
    const QString label = QStringLiteral("QLabel");
    const QString button = QStringLiteral("QPushButton");
    const QString pictureButton = QStringLiteral("PictureButton");
    const QString canvas = QStringLiteral("CanvasWidget");

    row("Text1", {edit, "", {5760, 6240, 1215, 390}, arialBlack, 11.25, false, lightOrange, systemColour, Qt::AlignCenter, QStringLiteral("Índice de Refracción")});
    row("Text3", {edit, "", {5760, 6720, 1215, 390}, arialBlack, 11.25, false, lightOrange, systemColour, Qt::AlignCenter, QStringLiteral("Ancho o Diámetro de la pìeza")});
    row("Text2", {edit, "", {5760, 7200, 1215, 390}, arialBlack, 11.25, false, lightOrange, systemColour, Qt::AlignCenter, QStringLiteral("Inclinación de la luz emergente por la mesa")});
    row("Command2", {button, "CALCULAR", {7320, 6720, 1575, 375}, arialBlack, 12, false, orange, systemColour, {}, ""});
    row("Command1", {button, "&Salir", {10680, 6600, 855, 735}, arialBlack, 12, false, darkOrange, systemColour, {}, ""});
    row("Command5", {button, "?", {2040, 1560, 975, 975}, arialBlack, 36, false, darkOrange, systemColour, {}, QStringLiteral("clique aquí y vaya a \"entre IR\"")});
    row("Picture1", {canvas, "", {3960, 480, 7575, 5175}, arial, 9, false, lightOrange, systemColour, {}, ""});
    row("Picture2", {canvas, "", {360, 3120, 3225, 3855}, msSansSerif, 8.25, false, lightPeach, systemColour, {}, ""});
    row("Label1", {label, "entre IR", {4440, 6240, 1215, 255}, arial, 12, true, maroon, lightOrange, toRight, ""});
    row("Label2", {label, QStringLiteral("entre Diámetro"), {3975, 6720, 1680, 285}, arial, 12, true, maroon, lightOrange, toRight, "", true, true});
    row("Label3", {label, QStringLiteral("entre épsilon"), {4200, 7200, 1485, 285}, arial, 12, true, maroon, lightOrange, toLeft, "", true, true});
    row("Label4", {label, "IR =", {3960, 120, 615, 255}, arial, 14.25, false, maroon, lightOrange, toLeft, "", false});
    row("Label5", {label, "", {4560, 120, 855, 375}, arial, 14.25, true, maroon, lightOrange, toLeft, "", false});
    row("Command3", {pictureButton, "", {240, 720, 975, 975}, msSansSerif, 8.25, false, darkPurple, systemColour, {}, calcularTip});
    row("Command4", {pictureButton, "", {1440, 240, 975, 975}, msSansSerif, 8.25, false, systemColour, systemColour, {}, calcularTip});
    row("Label6", {label, "DIAMANTE", {480, 1680, 1335, 255}, arial, 12, true, maroon, orange, toLeft, ""});
    row("Label7", {label, "CUARZO", {2040, 1200, 1095, 255}, arial, 12, true, maroon, orange, toLeft, ""});
    row("Label8", {label, "Personalice su gema :", {240, 2280, 1695, 735}, arial, 14.25, true, maroon, orange, toRight, ""});
    row("Label9", {label, "IR ?", {2160, 2520, 975, 495}, arialBlack, 18, false, maroon, lightOrange, centred, ""});
    row("Label10", {label, QStringLiteral(" REFLEXIÓN TOTAL"), {600, 7080, 2655, 255}, arial, 11.25, true, maroon, darkOrange, centred, ""});
    row("Label11", {label, QStringLiteral("MEDIDAS y ÁNGULOS"), {3960, 5760, 2415, 255}, arial, 11.25, true, maroon, darkOrange, centred, ""});
    row("Label12", {label, "MODELOS", {240, 360, 1095, 255}, arial, 9.75, true, maroon, darkOrange, toLeft, ""});
    row("Text4", {edit, "  IR=", {7200, 6240, 495, 375}, arial, 9, false, systemColour, systemColour, fieldLeft, "", false});
    row("Text5", {edit, "  D=", {7200, 6720, 495, 375}, arial, 9, false, systemColour, systemColour, fieldLeft, "", false});
    row("Text6", {edit, "  eps.=", {7200, 7200, 615, 375}, arial, 9, false, systemColour, systemColour, fieldLeft, "", false});
    row("Text7", {edit, "", {6960, 5760, 3135, 330}, arial, 11.25, true, lightOrange, red, Qt::AlignCenter, QStringLiteral("Valores de IR, D y épsilon descargados de archivo"), false});
    row("Label13", {label, "INGRESE :", {5760, 5880, 1215, 255}, arial, 11.25, true, maroon, darkOrange, centred, "", false});
    // clang-format on
}

void TestForm1::controls() {
    QFETCH(ControlLayout, entry);
    auto *control = m_window->findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), m_window->centralWidget());
    verifyControl(*control, entry);
}

void TestForm1::window() {
    QCOMPARE(m_window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("CORVELUX 1.0"));
    QCOMPARE(m_window->windowIcon().pixmap(QSize(70, 70)).size(), QSize(70, 70));
    QCOMPARE(m_window->font().families().value(0), QStringLiteral("Arial"));
    QCOMPARE(m_window->font().pointSizeF(), 9.0);
    QCOMPARE(m_window->font().weight(), QFont::Normal);

    QWidget *client = m_window->centralWidget();
    QVERIFY(client->autoFillBackground());
    QCOMPARE(client->palette().color(QPalette::Window), maroon);
    QCOMPARE(client->grab().toImage().pixelColor(client->width() - 1, client->height() - 1),
             maroon);
    const auto flags = m_window->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowMaximizeButtonHint);
}

void TestForm1::clientAreaOpensAtItsScreenPosition() {
    const QWidget *client = m_window->centralWidget();
    QCOMPARE(client->size(), QSize(792, 539));
    QCOMPARE(client->mapToGlobal(QPoint(0, 0)), QPoint(4, 50));
    QCOMPARE(m_window->menuBar()->geometry().bottom() + 1, client->y());
}

void TestForm1::resizingLeavesControlsInPlace() {
    const QPushButton *exit = control<QPushButton>(*m_window, "Command1");
    const QRect exitButton = exit->geometry();
    m_window->resize(1200, 900);
    QTRY_COMPARE(m_window->centralWidget()->width(), 1200);
    QCOMPARE(exit->geometry(), exitButton);
    QCOMPARE(control<QLineEdit>(*m_window, "Text1")->geometry(), pixels({5760, 6240, 1215, 390}));
    const QImage client = m_window->centralWidget()->grab().toImage();
    QCOMPARE(client.pixelColor(1100, 800), maroon);

    m_window->resize(300, 200);
    QTRY_COMPARE(m_window->centralWidget()->width(), 300);
    QCOMPARE(exit->geometry(), exitButton);
}

void TestForm1::tabVisitsTheVisibleControlsInOrder() {
    QStringList visited;
    for (int tab = 0; tab <= tabOrder.size(); ++tab) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, tabOrder + QStringList{tabOrder.first()});
}

void TestForm1::enterPressesTheFocusedButtonOnly_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("pressed");  // the button clicked, empty for none

    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    QTest::newRow("Enter on CALCULAR") << "Command2" << int(Qt::Key_Return) << none << "Command2";
    QTest::newRow("keypad Enter on Salir")
        << "Command1" << int(Qt::Key_Enter) << keypad << "Command1";
    QTest::newRow("Enter on ?") << "Command5" << int(Qt::Key_Return) << none << "Command5";
    QTest::newRow("keypad Enter on DIAMANTE")
        << "Command3" << int(Qt::Key_Enter) << keypad << "Command3";
    QTest::newRow("Enter on CUARZO") << "Command4" << int(Qt::Key_Return) << none << "Command4";
    QTest::newRow("Escape on CALCULAR") << "Command2" << int(Qt::Key_Escape) << none << "";
    QTest::newRow("Enter in Text1") << "Text1" << int(Qt::Key_Return) << none << "";
    QTest::newRow("keypad Enter in Text3") << "Text3" << int(Qt::Key_Enter) << keypad << "";
    QTest::newRow("Enter in Text2") << "Text2" << int(Qt::Key_Return) << none << "";
    QTest::newRow("Enter on Picture1") << "Picture1" << int(Qt::Key_Return) << none << "";
}

void TestForm1::enterPressesTheFocusedButtonOnly() {
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, pressed);
    const QList<QPushButton *> buttons = m_window->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 5);
    QList<std::shared_ptr<QSignalSpy>> clicks;
    for (QPushButton *button : buttons)
        clicks << std::make_shared<QSignalSpy>(button, &QPushButton::clicked);

    m_window->findChild<QWidget *>(focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);

    for (int i = 0; i < buttons.size(); ++i) {
        QCOMPARE(clicks.at(i)->count(), buttons.at(i)->objectName() == pressed ? 1 : 0);
        QVERIFY2(!buttons.at(i)->isDefault(), "no button is a default button");
    }
}

void TestForm1::labelsWrapUnlessAutoSize() {
    const QList<QLabel *> labels =
        m_window->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Label\\d+$")));
    QCOMPARE(labels.size(), 13);
    for (const QLabel *label : labels) {
        const bool autoSize = label->objectName() == "Label2" || label->objectName() == "Label3";
        QCOMPARE(label->wordWrap(), !autoSize);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
}

void TestForm1::diamondPictureIsCentred() {
    const QImage picture(QStringLiteral(":/pictures/diamante.bmp"));
    QCOMPARE(picture.size(), QSize(59, 59));
    const QImage face = control<QPushButton>(*m_window, "Command3")->grab().toImage();
    const QPoint at = findImage(face, picture);
    QVERIFY2(at != QPoint(-1, -1), "the whole bitmap is shown unscaled");
    QVERIFY(qAbs(at.x() - 3) <= 1 && qAbs(at.y() - 3) <= 1);
}

void TestForm1::quartzPictureIsCentredAndClippedUnscaled() {
    const QImage picture(QStringLiteral(":/pictures/cuarzo.gif"));
    QCOMPARE(picture.size(), QSize(105, 123));
    const QImage button = control<QPushButton>(*m_window, "Command4")->grab().toImage();
    QCOMPARE(button.size(), QSize(65, 65));
    // The middle of the face shows the middle of the picture, pixel for pixel.
    const QImage middle = button.copy(12, 12, 41, 41);
    const QPoint at = findImage(picture, middle);
    QVERIFY2(at != QPoint(-1, -1), "the face shows part of the picture at its own size");
    QVERIFY(qAbs(at.x() - (105 - 65) / 2 - 12) <= 1);
    QVERIFY(qAbs(at.y() - (123 - 65) / 2 - 12) <= 1);
    // Nothing of the picture is drawn over the button's edge.
    const QImage plain = [] {
        PictureButton bare;
        bare.resize(65, 65);
        return bare.grab().toImage();
    }();
    QCOMPARE(button.pixelColor(0, 32), plain.pixelColor(0, 32));
    QCOMPARE(button.pixelColor(32, 0), plain.pixelColor(32, 0));
}

void TestForm1::menuBar() {
    QCOMPARE(m_window->menuBar()->objectName(), QStringLiteral("menubar"));
    const QList<QAction *> titles = m_window->menuBar()->actions();
    QCOMPARE(titles.size(), 3);
    QCOMPARE(titles.at(0), control<QMenu>(*m_window, "mnuArchivo")->menuAction());
    QCOMPARE(titles.at(1), control<QMenu>(*m_window, "mnuTalla")->menuAction());
    QCOMPARE(titles.at(2), control<QMenu>(*m_window, "mnuAyuda")->menuAction());
    QCOMPARE(titles.at(0)->text(), QStringLiteral("&Archivo"));
    QCOMPARE(titles.at(1)->text(), QStringLiteral("&Talla"));
    QCOMPARE(titles.at(2)->text(), QStringLiteral("&Ayuda"));
    QCOMPARE(control<QAction>(*m_window, "mnuTaReceta")->text(),
             QStringLiteral("&Receta de tallado…"));
    QCOMPARE(control<QAction>(*m_window, "mnuTaVerificacion")->text(),
             QStringLiteral("&Verificación 3-D…"));
}

void TestForm1::menu_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("captions");  // empty for a separator line

    QTest::newRow("Archivo") << QStringLiteral("mnuArchivo")
                             << QStringList{"mnuArAbrir",   "mnuArGuardar",
                                            "mnuArIR",      QStringLiteral("mnuArDiámmetro"),
                                            "mnuArepsilon", "separador",
                                            "mnuArSalir"}
                             << QStringList{"&Abrir",
                                            "&Guardar",
                                            "&Entre IR",
                                            QStringLiteral("&Diámetro"),
                                            QStringLiteral("&épsilon"),
                                            "",
                                            "&Salir"};
    QTest::newRow("Ayuda") << QStringLiteral("mnuAyuda")
                           << QStringList{"mnuAyIndice", "mnuAyContenido", "separ", "mnuAyAcerca"}
                           << QStringList{"&Indice", "&Contenido", "", "&Acerca de ..."};
}

void TestForm1::menu() {
    QFETCH(QString, menu);
    QFETCH(QStringList, names);
    QFETCH(QStringList, captions);
    const auto *items = m_window->findChild<QMenu *>(menu);
    QVERIFY(items);
    const QList<QAction *> actions = items->actions();
    QCOMPARE(actions.size(), names.size());
    for (int i = 0; i < actions.size(); ++i) {
        const QAction *action = actions.at(i);
        QCOMPARE(action->objectName(), names.at(i));
        QCOMPARE(action->isSeparator(), captions.at(i).isEmpty());
        QCOMPARE(action->text(), captions.at(i));
        const bool opensTheHelp = names.at(i) == QLatin1String("mnuAyContenido");
        QCOMPARE(action->shortcut(), opensTheHelp ? QKeySequence(Qt::Key_F1) : QKeySequence());
        QVERIFY(!action->isCheckable());
        QVERIFY(action->isEnabled() && action->isVisible());
    }
}

void TestForm1::fontRequestsGetTheFaceOrItsStandIn_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QStringList>("faces");  // the face itself, then its stand-in

    const QStringList arial{"Arial", "Liberation Sans"};
    const QStringList arialBlack{"Arial Black", "Lato Black"};
    const QStringList msSansSerif{"MS Sans Serif", "Lato"};
    QTest::newRow("Text1") << "Text1" << arialBlack;
    QTest::newRow("Command5") << "Command5" << arialBlack;
    QTest::newRow("Label9") << "Label9" << arialBlack;
    QTest::newRow("Label8") << "Label8" << arial;
    QTest::newRow("Text4") << "Text4" << arial;
    QTest::newRow("menubar") << "menubar" << arial;
    QTest::newRow("Command3") << "Command3" << msSansSerif;
}

void TestForm1::fontRequestsGetTheFaceOrItsStandIn() {
    QFETCH(QString, control);
    QFETCH(QStringList, faces);
    const auto *widget = m_window->findChild<QWidget *>(control);
    QVERIFY(widget);
    const QFontInfo face(widget->font());
    QVERIFY2(faces.contains(face.family()), qPrintable(face.family()));
    QCOMPARE(face.bold(), widget->font().bold());
    if (faces.first() == QLatin1String("Arial Black"))
        QVERIFY2(face.family() == faces.first() || face.styleName() == QLatin1String("Black"),
                 qPrintable(face.styleName()));
}

QTEST_MAIN(TestForm1)
void TestForm1::fieldsTakeTextOfAnyLength() {
    const QString longText(100000, u'7');
    for (const char *name : {"Text1", "Text3", "Text2", "Text7"}) {
        auto *field = m_window->findChild<QLineEdit *>(name);
        field->setText(longText);
        QCOMPARE(field->text().size(), longText.size());
    }
}

// What a screen reader says of the input fields, whose captions stand apart,
// and of the controls whose faces show only a picture, a sign or a drawing.
void TestForm1::accessibleNames_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("DIAMANTE") << "Command3"
                              << "DIAMANTE"
                              << "Cargar los valores del diamante y pasar a CALCULAR";
    QTest::newRow("CUARZO") << "Command4"
                            << "CUARZO"
                            << "Cargar los valores del cuarzo y pasar a CALCULAR";
    QTest::newRow("?") << "Command5"
                       << "Personalice su gema"
                       << "Borrar los valores y los dibujos y pasar a entre IR";
    QTest::newRow("Text1") << "Text1"
                           << "entre IR"
                           << QStringLiteral(
                                  "Índice de refracción de la piedra, con punto "
                                  "decimal (por ejemplo 2.419)");
    QTest::newRow("Text3") << "Text3" << QStringLiteral("entre Diámetro")
                           << QStringLiteral("Ancho o diámetro de la piedra en el filetín, en mm");
    QTest::newRow("Text2") << "Text2" << QStringLiteral("entre épsilon")
                           << QStringLiteral(
                                  "Inclinación de la luz que sale por la mesa, en "
                                  "grados, de 0 a 89");
    QTest::newRow("Picture1") << "Picture1" << QStringLiteral("Medidas y ángulos") << "";
    QTest::newRow("Picture2") << "Picture2" << QStringLiteral("Reflexión total") << "";
}

void TestForm1::accessibleNames() {
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QAccessibleInterface *accessible =
        QAccessible::queryAccessibleInterface(m_window->findChild<QWidget *>(control));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);
}

// A sunken border two pixels wide, dark at the top and left and light at the
// bottom and right, around the field's own colour, with the focus as without.
void TestForm1::fieldsHaveASunkenBorder_data() {
    QTest::addColumn<QString>("name");
    for (const char *name : {"Text1", "Text3", "Text2", "Text7"})
        QTest::newRow(name) << name;
}

void TestForm1::fieldsHaveASunkenBorder() {
    QFETCH(QString, name);
    auto *field = m_window->findChild<QLineEdit *>(name);
    field->setFocus();
    const QImage face = field->grab().toImage();
    const auto colourAt = [&face](int x, int y) {
        return face.pixelColor(QPoint(x, y) * face.devicePixelRatio());
    };
    const int right = field->width() - 1, bottom = field->height() - 1;
    const int middleX = field->width() / 2, middleY = field->height() / 2;
    const QColor shade(0x80, 0x80, 0x80), light(Qt::white);
    for (int inset : {0, 1}) {
        QCOMPARE(colourAt(inset, middleY), shade);
        QCOMPARE(colourAt(middleX, inset), shade);
        QCOMPARE(colourAt(right - inset, middleY), light);
        QCOMPARE(colourAt(middleX, bottom - inset), light);
    }
    QCOMPARE(colourAt(2, middleY), lightOrange);
    QCOMPARE(colourAt(middleX, 2), lightOrange);
    QCOMPARE(colourAt(right - 2, bottom - 2), lightOrange);
}

// The face shows the button's own colour, not a shade the style derives
// from it: sampled just inside the left bevel, clear of caption and picture.
void TestForm1::buttonsAreFilledWithTheirColour_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("CALCULAR") << "Command2" << QColor(0xFF, 0x80, 0x00);
    QTest::newRow("Salir") << "Command1" << QColor(0xC0, 0x40, 0x00);
    QTest::newRow("?") << "Command5" << QColor(0xC0, 0x40, 0x00);
    QTest::newRow("DIAMANTE picture") << "Command3" << QColor(0x40, 0x00, 0x40);
}

void TestForm1::buttonsAreFilledWithTheirColour() {
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    auto *button = m_window->findChild<QPushButton *>(name);
    QVERIFY(button);
    const QImage face = button->grab().toImage();
    const qreal scale = face.devicePixelRatio();
    QCOMPARE(face.pixelColor(QPoint(2, button->height() / 2) * scale), colour);
}

#include "tst_form1.moc"
