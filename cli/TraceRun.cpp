#include "cli/TraceRun.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QTextStream>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

namespace {

// Set by Ctrl+C. A signal handler may only store to a lock-free atomic
// object of static storage, hence this one flag outside any function.
std::atomic_bool interrupted{false};

extern "C" void stopTracing(int) {
    interrupted = true;
}

// Ctrl+C stops the trace instead of the program while one runs.
class InterruptGuard {
public:
    InterruptGuard() {
        interrupted = false;
        struct sigaction stop {};
        stop.sa_handler = stopTracing;
        sigemptyset(&stop.sa_mask);
        sigaction(SIGINT, &stop, &m_before);
    }
    ~InterruptGuard() { sigaction(SIGINT, &m_before, nullptr); }
    InterruptGuard(const InterruptGuard &) = delete;
    InterruptGuard &operator=(const InterruptGuard &) = delete;

private:
    struct sigaction m_before {};
};

}  // namespace

bool runInterruptibly(const std::function<void(const std::atomic_bool &stop)> &work,
                      const std::function<QString()> &progressLine, QTextStream &err) {
    const InterruptGuard guard;
    std::atomic_bool finished{false};
    // A trace hands its rows to Qt's shared pool and waits for them: it must
    // not take a thread of that pool itself.
    std::thread working([&] {
        work(interrupted);
        finished = true;
    });
    const bool showProgress = isatty(fileno(stderr)) == 1;
    QString shown;
    while (!finished) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const QString line = progressLine();
        if (showProgress && line != shown) {
            shown = line;
            err << '\r' << shown << Qt::flush;
        }
    }
    working.join();
    if (!shown.isEmpty())
        err << '\r' << QString(shown.size(), u' ') << '\r' << Qt::flush;
    return !interrupted;
}

bool runTrace(qint64 totalRays, const std::function<void(const stone::TraceControl &)> &trace,
              QTextStream &err) {
    std::atomic<qint64> raysDone{0};
    return runInterruptibly(
        [&](const std::atomic_bool &stop) {
            trace(stone::TraceControl{&stop, &raysDone});
        },
        [&] {
            return QCoreApplication::translate("TraceRun", "Trazando rayos: %1 %")
                .arg(percentDone(raysDone, totalRays));
        },
        err);
}

qint64 percentDone(qint64 done, qint64 total) {
    return total > 0 ? 100 * done / total : 0;
}

QString traceStoppedMessage() {
    return QCoreApplication::translate("TraceRun",
                                       "corvelux: trazado interrumpido; no se ha escrito nada.");
}
