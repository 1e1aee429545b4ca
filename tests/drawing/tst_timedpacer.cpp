#include "drawing/TimedPacer.h"

#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

// Counts the paint events a widget receives.
class PaintedWidget : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override { ++paints; }
};

}  // namespace

// The real pacer, run with a pause of zero or one millisecond: what it lets
// happen while it waits, never how long it takes.
class TestTimedPacer : public QObject {
    Q_OBJECT

private slots:
    void windowRepaintsDuringThePause() {
        PaintedWidget widget;
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        const int before = widget.paints;
        widget.update();
        TimedPacer(std::chrono::milliseconds(1)).pause();
        QVERIFY(widget.paints > before);
    }

    void queuedWorkRunsDuringThePause() {
        bool ran = false;
        QTimer::singleShot(0, this, [&ran] { ran = true; });
        TimedPacer(std::chrono::milliseconds(0)).pause();
        QVERIFY(ran);
    }
};

QTEST_MAIN(TestTimedPacer)
#include "tst_timedpacer.moc"
