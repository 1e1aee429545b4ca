// Linked into a program next to its own main(), this reports when the
// program's first window has been painted: it prints
//     first-paint <steady-clock time in nanoseconds>
// on standard output and ends the program. The program's own code is not
// touched; the probe hooks in when the application object is constructed.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class FirstPaintProbe final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (!m_seen && event->type() == QEvent::Paint && isWindow(watched)) {
            m_seen = true;
            // A window is painted before its children, and the backing store
            // reaches the screen after the last child within the same
            // repaint: a queued call runs once all of that is done.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    static bool isWindow(const QObject *object) {
        return object->isWidgetType() && static_cast<const QWidget *>(object)->isWindow();
    }

    static void report() {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first-paint %lld\n",
                    static_cast<long long>(std::chrono::nanoseconds(now).count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool m_seen = false;
};

void installFirstPaintProbe() {
    QCoreApplication::instance()->installEventFilter(
        new FirstPaintProbe(QCoreApplication::instance()));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstPaintProbe)
