#include "calc/Constants.h"
#include "drawing/CanvasFonts.h"
#include "drawing/MainCanvases.h"
#include "windows/CanvasWidget.h"

#include <QApplication>
#include <QFontInfo>
#include <QTest>
#include <cfloat>
#include <functional>

namespace {

const QColor picture1Background(255, 192, 128);
const QColor picture2Background(255, 224, 192);

// The drawing areas as the main window has them, shown offscreen.
struct Canvases {
    CanvasWidget picture1;
    CanvasWidget picture2;
    bool exposed = false;

    Canvases() {
        setUpPicture1(picture1);
        setUpPicture2(picture2);
        picture1.resize(picture1Size);
        picture2.resize(picture2Size);
        picture1.show();
        picture2.show();
        exposed =
            QTest::qWaitForWindowExposed(&picture1) && QTest::qWaitForWindowExposed(&picture2);
        picture1.Clear();
        picture2.Clear();
    }
};

bool isInk(const QImage &image, int x, int y) {
    return qGray(image.pixel(x, y)) < 100;
}

// The rows of column x that are not the background.
QList<int> inkRowsInColumn(const QImage &image, int x, const QColor &background) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) != background)
            rows.append(y);
    }
    return rows;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

using Primitive = std::function<void(Canvas &, float)>;

}  // namespace

class TestCanvasWidget : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QApplication::setPalette(QPalette()); }

    void interiorInsideTheBorder() {
        Canvases canvases;
        QCOMPARE(canvases.picture1.image().size(), QSize(501, 341));
        QCOMPARE(canvases.picture2.image().size(), QSize(211, 253));
        QCOMPARE(canvases.picture1.image().pixelColor(0, 0), picture1Background);
        QCOMPARE(canvases.picture2.image().pixelColor(210, 252), picture2Background);
        // The border is the frame's, not part of the interior.
        QCOMPARE(canvases.picture1.contentsRect(), QRect(2, 2, 501, 341));
    }

    void girdleLineOnItsPixelRow() {
        Canvases canvases;
        canvases.picture2.DrawLine(100, 2000, 3100, 2000);
        const QImage image = canvases.picture2.image();
        // 2000 units of one twip are 133.3 pixels: row 133, one pixel wide.
        QCOMPARE(inkRowsInColumn(image, 100, picture2Background), QList<int>{133});
        // 100 horizontal units of 219/224 twip: column 6; 3100 units: 202.
        QVERIFY(!isInk(image, 5, 133));
        QVERIFY(isInk(image, 6, 133));
        QVERIFY(isInk(image, 202, 133));
        QVERIFY(!isInk(image, 203, 133));
    }

    void verticalLineInTwips() {
        Canvases canvases;
        canvases.picture1.DrawLine(1500, 300, 1500, 4000);
        const QImage image = canvases.picture1.image();
        QCOMPARE(inkRowsInColumn(image, 100, picture1Background).size(), 247);  // rows 20 to 266
        QVERIFY(!isInk(image, 99, 150));
        QVERIFY(!isInk(image, 101, 150));
    }

    void circleIsTrueAndInHorizontalUnits() {
        Canvases canvases;
        canvases.picture2.DrawCircle(1600, 2000, 1000);
        const QImage image = canvases.picture2.image();
        // The radius is 1000 horizontal units, 65.2 pixels, up and down too:
        // in vertical units it would reach row 66 instead of row 68.
        const QList<int> rows = inkRowsInColumn(image, 104, picture2Background);
        QCOMPARE(rows.first(), 68);
        QCOMPARE(rows.last(), 198);
        QCOMPARE(canvases.picture2.pen(), QPointF(1600, 2000));
    }

    void arcRunsCounterclockwiseThroughZero() {
        Canvases canvases;
        // From 6.0 through angle 0 to 0.8 radians, in pure red (0x00BBGGRR).
        canvases.picture1.DrawArc(3000, 2000, 600, 0x0000FF, 6.0f, 0.8f);
        const QImage image = canvases.picture1.image();
        // Centre (200, 133.3) and radius 40 in pixels.
        QCOMPARE(image.pixelColor(239, 133), QColor(Qt::red));     // angle 0
        QCOMPARE(image.pixelColor(200, 93), picture1Background);   // angle pi/2
        QCOMPARE(image.pixelColor(160, 133), picture1Background);  // angle pi
        QList<int> redRows;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == QColor(Qt::red)) {
                    redRows.append(y);
                    break;
                }
            }
        }
        // From 40 sin(0.8) above the centre (y 104.6) to 40 sin(0.28) below
        // it (y 144.5); the raster may round an end either way.
        QVERIFY(redRows.first() == 104 || redRows.first() == 105);
        QVERIFY(redRows.last() == 144 || redRows.last() == 145);
    }

    void textStartsAtThePenWithoutABox() {
        Canvases canvases;
        CanvasWidget &picture1 = canvases.picture1;
        picture1.DrawLine(0, 2100, 7515, 2100);
        picture1.SetPosition(1500, 2000);
        picture1.PrintLine(QStringLiteral("MEDIDAS"));
        const QImage image = picture1.image();
        // Letters right of and below the pen, none left of or above it.
        bool inked = false;
        for (int y = 133; y < 147; ++y) {
            QVERIFY(y == 140 || !isInk(image, 99, y));
            inked = inked || isInk(image, 101, y) || isInk(image, 102, y);
        }
        QVERIFY(inked);
        for (int x = 100; x < 160; ++x)
            QVERIFY(!isInk(image, x, 132));
        // The line behind the text still shows between the letters.
        int lineLeft = 0;
        for (int x = 100; x < 150; ++x)
            lineLeft += image.pixelColor(x, 140) == QColor(Qt::black) ? 1 : 0;
        QVERIFY(lineLeft > 5);
    }

    // On a dark desktop the text colour is light; the canvases keep black.
    // The desktop's scheme comes as the application's palette, which the
    // widget's own follows.
    void inkIsBlackWhateverTheColourScheme() {
        Canvases canvases;
        CanvasWidget &picture1 = canvases.picture1;
        QPalette dark = picture1.palette();
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            dark.setColor(role, QColor(0xF0, 0xF0, 0xF0));
        QApplication::setPalette(dark);
        picture1.DrawLine(0, 150, 7515, 150);
        picture1.DrawCircle(3000, 2000, 600);
        picture1.SetPosition(1500, 2000);
        picture1.PrintLine(QStringLiteral("MEDIDAS"));
        const QImage image = picture1.image();
        QCOMPARE(image.pixelColor(50, 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(240, 133), QColor(Qt::black));
        int blackInText = 0;
        for (int y = 133; y < 147; ++y) {
            for (int x = 100; x < 160; ++x)
                blackInText += image.pixelColor(x, y) == QColor(Qt::black) ? 1 : 0;
        }
        QVERIFY(blackInText > 20);
    }

    void printLineMovesOneFontLineDown_data() {
        QTest::addColumn<bool>("onPicture1");
        QTest::addColumn<QFont>("font");
        QTest::addColumn<double>("twipsPerUnitY");
        QTest::newRow("Picture1, Arial 9") << true << arialFont(9) << 1.0;
        QTest::newRow("Picture2, MS Sans Serif 8.25") << false << msSansSerifFont(8.25) << 1.0;
    }

    void printLineMovesOneFontLineDown() {
        QFETCH(bool, onPicture1);
        QFETCH(QFont, font);
        QFETCH(double, twipsPerUnitY);
        Canvases canvases;
        CanvasWidget &canvas = onPicture1 ? canvases.picture1 : canvases.picture2;
        canvas.SetPosition(200, 3550);
        canvas.PrintLine(QStringLiteral("    ESPEJAR o  AUMENTAR épsilon"));
        const double lineHeight = QFontMetrics(font, &canvas).height() * 15 / twipsPerUnitY;
        QCOMPARE(canvas.pen(), QPointF(0, 3550 + lineHeight));
        // About 200 twips, as the placements of the letters expect.
        QVERIFY(lineHeight * twipsPerUnitY >= 180 && lineHeight * twipsPerUnitY <= 225);
    }

    void fontsAreDeliberateSubstitutes_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QStringList>("faces");
        QTest::newRow("Arial") << arialFont(9) << QStringList{"Arial", "Liberation Sans"};
        QTest::newRow("MS Sans Serif")
            << msSansSerifFont(8.25)
            << QStringList{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans"};
    }

    void fontsAreDeliberateSubstitutes() {
        QFETCH(QFont, font);
        QFETCH(QStringList, faces);
        QVERIFY2(faces.contains(QFontInfo(font).family()), qPrintable(QFontInfo(font).family()));
    }

    void clearErasesAndMovesThePenHome() {
        Canvases canvases;
        canvases.picture2.DrawCircle(1600, 2000, 500);
        canvases.picture2.Clear();
        QCOMPARE(canvases.picture2.pen(), QPointF(0, 0));
        QImage blank(211, 253, QImage::Format_RGB32);
        blank.fill(picture2Background);
        QCOMPARE(canvases.picture2.image(), blank);
    }

    void eachPrimitiveIsShownAtOnce() {
        Canvases canvases;
        QVERIFY(canvases.exposed);
        PaintCounter counter;
        canvases.picture2.installEventFilter(&counter);
        canvases.picture2.DrawLine(100, 2000, 3100, 2000);
        QCOMPARE(counter.paints, 1);
        canvases.picture2.DrawLine(-1e6f, -5000, -2e6f, -9000);  // wholly outside
        QCOMPARE(counter.paints, 1);
    }

    void drawingSurvivesRepaintsAndResizing() {
        Canvases canvases;
        CanvasWidget &picture2 = canvases.picture2;
        picture2.DrawLine(100, 2000, 3100, 2000);
        const QImage drawn = picture2.image();
        QCOMPARE(
            picture2.grab(picture2.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32),
            drawn);
        picture2.hide();
        picture2.resize(picture2Size + QSize(20, 20));
        picture2.show();
        const QImage larger = picture2.image();
        QCOMPARE(larger.size(), QSize(231, 273));
        QCOMPARE(larger.copy(0, 0, 211, 253), drawn);
        QCOMPARE(larger.pixelColor(220, 133), picture2Background);
    }

    void extremeCoordinatesAreClippedSilently_data() {
        QTest::addColumn<float>("value");
        QTest::newRow("infinity") << float(qInf());
        QTest::newRow("minus infinity") << -float(qInf());
        QTest::newRow("not a number") << float(qQNaN());
        QTest::newRow("largest float") << FLT_MAX;
        QTest::newRow("minus 1e30") << -1e30f;
        QTest::newRow("1e9") << 1e9f;
    }

    void extremeCoordinatesAreClippedSilently() {
        QFETCH(float, value);
        Canvases canvases;
        CanvasWidget &canvas = canvases.picture1;
        const QList<Primitive> primitives{
            [](Canvas &c, float v) { c.DrawLine(v, 100, 200, 300); },
            [](Canvas &c, float v) { c.DrawLine(100, v, v, 300); },
            [](Canvas &c, float v) { c.DrawLineBy(v, v, 10, 10); },
            [](Canvas &c, float v) { c.DrawLineBy(100, 100, v, -v); },
            [](Canvas &c, float v) { c.ContinueLineBy(v, 5); },
            [](Canvas &c, float v) { c.DrawCircle(v, 100, 50); },
            [](Canvas &c, float v) { c.DrawCircle(100, 100, v); },
            [](Canvas &c, float v) { c.DrawCircle(-v, -v, v); },
            [](Canvas &c, float v) { c.DrawArc(3000, 2000, v, 1, 0, 6); },
            [](Canvas &c, float v) { c.DrawArc(3000, 2000, 600, 1, v, 1); },
            [](Canvas &c, float v) { c.DrawArc(v, 2000, 600, 1, 5, v); },
            [](Canvas &c, float v) {
                c.SetPosition(v, v);
                c.PrintLine(QStringLiteral("i º"));
            },
            [](Canvas &c, float v) {
                c.SetPosition(100, v);
                c.PrintLine(QStringLiteral("n"));
            },
        };
        for (const Primitive &primitive : primitives)
            primitive(canvas, value);
        // A value that is not a number draws nothing at all.
        if (qIsNaN(value)) {
            QImage blank(501, 341, QImage::Format_RGB32);
            blank.fill(picture1Background);
            QCOMPARE(canvas.image(), blank);
        }
    }

    void hugeShapesShowTheirVisiblePart() {
        Canvases canvases;
        CanvasWidget &canvas = canvases.picture1;
        canvas.DrawLine(-1e30f, 2000, 1e30f, 2000);
        // A circle of radius 1e6 units whose top touches y = 4000.
        canvas.DrawCircle(3000, 4000 + 1e6f, 1e6f);
        const QImage image = canvas.image();
        for (const int x : {0, 250, 500}) {
            QVERIFY(isInk(image, x, 133));
            QVERIFY(!isInk(image, x, 132));
        }
        QVERIFY(isInk(image, 200, 266));
        QVERIFY(!isInk(image, 200, 260));
    }
};

QTEST_MAIN(TestCanvasWidget)
#include "tst_canvaswidget.moc"
