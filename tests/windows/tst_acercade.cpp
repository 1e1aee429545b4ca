#include "ControlChecks.h"
#include "tests/support/Controls.h"
#include "windows/Acercade.h"
#include "windows/PictureArea.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor lightOrange(0xFF, 0xC0, 0x80);
const QColor darkPurple(0x40, 0x00, 0x40);
const QColor darkOrange(0xC0, 0x40, 0x00);
const QColor systemColour;

constexpr Qt::Alignment toLeft = Qt::AlignLeft | Qt::AlignTop;

}  // namespace

class TestAcercade : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void window();
    void pictureAreaShowsThePictureClippedAtItsTopLeft();
    void focusStartsOnThePictureArea();
    void tabMovesBetweenPictureAndButton();
    void enterPressesAceptarOnlyWhenItHasTheFocus();

private:
    std::unique_ptr<Acercade> m_window;
};

void TestAcercade::init() {
    m_window = std::make_unique<Acercade>();
    QVERIFY(showActive(*m_window));
}

void TestAcercade::cleanup() {
    m_window.reset();
}

void TestAcercade::controls_data() {
    QTest::addColumn<ControlLayout>("entry");
    const QString label = QStringLiteral("QLabel");
    const QString arialBlack = QStringLiteral("Arial Black");
    const QString msSansSerif = QStringLiteral("MS Sans Serif");

    // One row per control, as in the layout table.
    // clang-format off
    QTest::newRow("Label1") << ControlLayout{label, "CORVELUX ", {2280, 960, 2535, 495}, arialBlack, 14.25, true, lightOrange, darkPurple, toLeft, ""};
    QTest::newRow("Label2") << ControlLayout{label, QStringLiteral("Versión 1.0"), {2520, 1320, 2295, 375}, arialBlack, 11.25, false, lightOrange, systemColour, Qt::AlignRight | Qt::AlignTop, ""};
    QTest::newRow("Label3") << ControlLayout{label, "Marta Iriarte Solano", {120, 2520, 1815, 255}, msSansSerif, 8.25, true, lightOrange, systemColour, toLeft, ""};
    QTest::newRow("Aceptar") << ControlLayout{"QPushButton", "&Aceptar", {3600, 2520, 1215, 495}, msSansSerif, 8.25, false, darkOrange, systemColour, {}, ""};
    QTest::newRow("Label4") << ControlLayout{label, QStringLiteral("     Para cada IR proponemos los únicos  ángulos y " "proporciones que optimizan el brillo de la gema"), {2040, 1800, 2895, 615}, msSansSerif, 8.25, false, lightOrange, systemColour, toLeft, ""};
    // clang-format on
}

void TestAcercade::controls() {
    QFETCH(ControlLayout, entry);
    auto *control = m_window->findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), m_window.get());
    verifyControl(*control, entry);
    if (auto *label = qobject_cast<QLabel *>(control))
        QVERIFY(label->wordWrap());
}

void TestAcercade::window() {
    QCOMPARE(m_window->objectName(), QStringLiteral("Acercade"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Acerca de ..."));
    QCOMPARE(m_window->windowIcon().pixmap(QSize(70, 70)).size(), QSize(70, 70));
    QVERIFY(m_window->isWindow());
    QVERIFY(!(m_window->windowFlags() & Qt::FramelessWindowHint));
    QCOMPARE(m_window->geometry(), QRect(257, 223, 333, 206));
    QCOMPARE(m_window->font().families().value(0), QStringLiteral("MS Sans Serif"));
    QCOMPARE(m_window->font().pointSizeF(), 8.25);
    QVERIFY(m_window->autoFillBackground());
    QCOMPARE(m_window->grab().toImage().pixelColor(330, 5), lightOrange);
}

void TestAcercade::pictureAreaShowsThePictureClippedAtItsTopLeft() {
    QFrame *area = control<QFrame>(*m_window, "Picture1");
    QCOMPARE(area->geometry(), pixels({240, 240, 1575, 1575}));
    QCOMPARE(area->frameShape(), QFrame::WinPanel);
    QCOMPARE(area->frameShadow(), QFrame::Sunken);
    const QRect interior = area->contentsRect();
    QCOMPARE(interior, area->rect().adjusted(2, 2, -2, -2));

    const QImage picture(QStringLiteral(":/pictures/acercade.jpg"));
    QCOMPARE(picture.size(), QSize(102, 100));
    const QImage shown = area->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // The interior is 101 pixels wide: the picture's last column is cut off,
    // and the border around it stays intact.
    const QImage visible = picture.copy(0, 0, interior.width(), picture.height());
    QCOMPARE(shown.copy(interior.x(), interior.y(), visible.width(), visible.height()),
             visible.convertToFormat(QImage::Format_RGB32));
    const QImage bare = [] {
        PictureArea empty;
        empty.resize(105, 105);
        return empty.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }();
    QCOMPARE(shown.pixelColor(area->width() - 1, 50), bare.pixelColor(104, 50));
    QCOMPARE(shown.pixelColor(area->width() - 2, 50), bare.pixelColor(103, 50));
    // Below the picture the system button colour shows.
    QCOMPARE(shown.pixelColor(50, interior.bottom()),
             QApplication::palette().color(QPalette::Button));
}

void TestAcercade::focusStartsOnThePictureArea() {
    QCOMPARE(QApplication::focusWidget(), control<QFrame>(*m_window, "Picture1"));
}

void TestAcercade::tabMovesBetweenPictureAndButton() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QPushButton>(*m_window, "Aceptar"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QFrame>(*m_window, "Picture1"));
}

void TestAcercade::enterPressesAceptarOnlyWhenItHasTheFocus() {
    QPushButton *aceptar = control<QPushButton>(*m_window, "Aceptar");
    QSignalSpy clicked(aceptar, &QPushButton::clicked);
    QTest::keyClick(control<QFrame>(*m_window, "Picture1"), Qt::Key_Return);
    QTest::keyClick(control<QFrame>(*m_window, "Picture1"), Qt::Key_Escape);
    QCOMPARE(clicked.count(), 0);
    aceptar->setFocus();
    QTest::keyClick(aceptar, Qt::Key_Escape);
    QCOMPARE(clicked.count(), 0);
    QTest::keyClick(aceptar, Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    QTest::keyClick(aceptar, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicked.count(), 2);
    QVERIFY2(!aceptar->isDefault(), "not a default button, though it has the focus");
}

QTEST_MAIN(TestAcercade)
#include "tst_acercade.moc"
