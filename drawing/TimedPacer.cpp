#include "drawing/TimedPacer.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTimer>

TimedPacer::TimedPacer(std::chrono::milliseconds interval) : m_interval(interval) {}

void TimedPacer::pause() {
    QEventLoop loop;
    QTimer::singleShot(m_interval, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // Input held back during the wait stays queued; without a wake-up the
    // event loop would only notice it with the next event from the window
    // system (a mouse move), so clicks and close requests would seem lost.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}
