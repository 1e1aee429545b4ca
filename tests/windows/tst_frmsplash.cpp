#include "ControlChecks.h"
#include "tests/support/Controls.h"
#include "windows/FrmSplash.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor lightOrange(0xFF, 0xC0, 0x80);
const QColor darkOrange(0xC0, 0x40, 0x00);
const QColor darkGreen(0x00, 0x40, 0x00);
const QColor darkRed(0x80, 0x00, 0x00);
const QColor orange(0xFF, 0x80, 0x00);
const QColor lightPeach(0xFF, 0xE0, 0xC0);

constexpr Qt::Alignment toLeft = Qt::AlignLeft | Qt::AlignTop;

}  // namespace

class TestFrmSplash : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void panel();
    void logoIsTheIconStretched();
    void window();
    void nothingTakesTheFocus();
    void descriptionStaysOnItsLine();
    void clickOnSiguienteAsksForTheNextWindow();
    void clicksElsewhereDoNothing_data();
    void clicksElsewhereDoNothing();
    void keyPresses_data();
    void keyPresses();

private:
    std::unique_ptr<FrmSplash> m_window;
};

void TestFrmSplash::init() {
    m_window = std::make_unique<FrmSplash>();
    QVERIFY(showActive(*m_window));
}

void TestFrmSplash::cleanup() {
    m_window.reset();
}

void TestFrmSplash::controls_data() {
    QTest::addColumn<ControlLayout>("entry");
    const QString label = QStringLiteral("QLabel");
    const QString msSansSerif = QStringLiteral("MS Sans Serif");

    // One row per control, as in the layout table.
    // clang-format off
    QTest::newRow("Label1") << ControlLayout{label, QStringLiteral("VERSIÓN 1.0"), {4440, 3360, 1935, 375}, msSansSerif, 13.5, true, lightOrange, darkRed, toLeft, ""};
    QTest::newRow("lblProductName") << ControlLayout{label, "CORVELUX", {1080, 2640, 0, 720}, "Arial", 36, true, lightOrange, darkGreen, toLeft, "", true, true};
    QTest::newRow("Label2") << ControlLayout{label, "Siguiente", {6360, 3720, 975, 255}, msSansSerif, 9.75, false, orange, lightPeach, Qt::AlignHCenter | Qt::AlignTop, ""};
    QTest::newRow("Label3") << ControlLayout{label, QStringLiteral("Para cada IR el programa calcula los únicos ángulos y " "proporciones que optimizan el brillo de la gema"), {120, 120, 7215, 255}, msSansSerif, 8.25, false, lightOrange, darkOrange, toLeft, ""};
    // clang-format on
}

void TestFrmSplash::controls() {
    QFETCH(ControlLayout, entry);
    auto *control = m_window->findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), m_window->findChild<QFrame *>("Frame1"));
    verifyControl(*control, entry);
}

void TestFrmSplash::panel() {
    const QFrame *panel = control<QFrame>(*m_window, "Frame1");
    QCOMPARE(panel->parentWidget(), m_window.get());
    QCOMPARE(panel->geometry(), pixels({2280, 2400, 7440, 4050}));
    QVERIFY(panel->autoFillBackground());
    QCOMPARE(panel->palette().color(QPalette::Window), lightOrange);
}

void TestFrmSplash::logoIsTheIconStretched() {
    const QLabel *logo = control<QLabel>(*m_window, "imgLogo");
    QCOMPARE(logo->geometry(), pixels({2760, 840, 1815, 1785}));
    QCOMPARE(logo->size(), QSize(121, 119));
    QVERIFY(logo->hasScaledContents());
    const QImage icon(QStringLiteral(":/pictures/corvelux.bmp"));
    QCOMPARE(icon.size(), QSize(70, 70));
    QCOMPARE(logo->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             icon.convertToFormat(QImage::Format_RGB32));
}

void TestFrmSplash::window() {
    QCOMPARE(m_window->objectName(), QStringLiteral("frmSplash"));
    QVERIFY(m_window->windowTitle().isEmpty());
    QVERIFY(m_window->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(m_window->isWindow());
    QCOMPARE(m_window->geometry(), QRect(0, 0, 800, 578));
    QCOMPARE(m_window->minimumSize(), QSize(800, 578));
    QCOMPARE(m_window->maximumSize(), QSize(800, 578));
    QCOMPARE(m_window->font().families().value(0), QStringLiteral("MS Sans Serif"));
    QCOMPARE(m_window->font().pointSizeF(), 8.25);
    const QImage shown = m_window->grab().toImage();
    QCOMPARE(shown.pixelColor(5, 5), QColor(0x80, 0x40, 0x00));
    QCOMPARE(shown.pixelColor(799, 577), QColor(0x80, 0x40, 0x00));
}

void TestFrmSplash::nothingTakesTheFocus() {
    QCOMPARE(m_window->focusPolicy(), Qt::NoFocus);
    const QList<QWidget *> controls = m_window->findChildren<QWidget *>();
    QCOMPARE(controls.size(), 6);
    for (const QWidget *control : controls)
        QCOMPARE(control->focusPolicy(), Qt::NoFocus);
    QCOMPARE(QApplication::focusWidget(), nullptr);
}

void TestFrmSplash::descriptionStaysOnItsLine() {
    // The stand-in for MS Sans Serif must leave the panel's top line whole.
    const QLabel *line = control<QLabel>(*m_window, "Label3");
    QVERIFY(!line->wordWrap());
    QVERIFY(QFontMetrics(line->font()).horizontalAdvance(line->text()) <= line->width() + 1);
}

void TestFrmSplash::clickOnSiguienteAsksForTheNextWindow() {
    QSignalSpy next(m_window.get(), &FrmSplash::nextRequested);
    QLabel *siguiente = control<QLabel>(*m_window, "Label2");
    QTest::mouseClick(siguiente, Qt::LeftButton);
    QCOMPARE(next.count(), 1);
    QTest::mouseClick(siguiente, Qt::RightButton);
    QCOMPARE(next.count(), 1);
}

void TestFrmSplash::clicksElsewhereDoNothing_data() {
    QTest::addColumn<QString>("control");
    for (const char *name : {"Frame1", "Label1", "lblProductName", "Label3", "imgLogo"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestFrmSplash::clicksElsewhereDoNothing() {
    QFETCH(QString, control);
    QSignalSpy next(m_window.get(), &FrmSplash::nextRequested);
    QSignalSpy key(m_window.get(), &FrmSplash::characterKeyPressed);
    auto *widget = m_window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QCOMPARE(next.count(), 0);
    QCOMPARE(key.count(), 0);
}

void TestFrmSplash::keyPresses_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("typesACharacter");
    QTest::addColumn<bool>("leadsOn");
    QTest::newRow("letter") << int(Qt::Key_A) << true << false;
    QTest::newRow("digit") << int(Qt::Key_7) << true << false;
    QTest::newRow("space") << int(Qt::Key_Space) << true << false;
    QTest::newRow("Enter") << int(Qt::Key_Return) << false << true;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << false << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << true << false;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << true << false;
    QTest::newRow("F1") << int(Qt::Key_F1) << false << false;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << false << false;
    QTest::newRow("arrow") << int(Qt::Key_Left) << false << false;
}

void TestFrmSplash::keyPresses() {
    QFETCH(int, key);
    QFETCH(bool, typesACharacter);
    QFETCH(bool, leadsOn);
    QSignalSpy pressed(m_window.get(), &FrmSplash::characterKeyPressed);
    QSignalSpy next(m_window.get(), &FrmSplash::nextRequested);
    QTest::keyClick(m_window.get(), Qt::Key(key));
    QCOMPARE(pressed.count(), typesACharacter ? 1 : 0);
    QCOMPARE(next.count(), leadsOn ? 1 : 0);
}

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
