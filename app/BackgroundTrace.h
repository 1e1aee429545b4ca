#pragma once

#include "stone/LightTracer.h"

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

// One tracing job at a time on a thread of its own, which its owner follows
// and may cancel: starting another cancels the one before, and so does
// destroying the job, which waits for it to stop.
class BackgroundTrace : public QObject {
    Q_OBJECT

public:
    // Traces on another thread, reporting to the control it is given.
    using Work = std::function<void(const stone::TraceControl &control)>;

    explicit BackgroundTrace(QObject *parent = nullptr);
    ~BackgroundTrace() override;

    // Runs work, which will trace totalRays rays; done runs on this object's
    // thread once work has finished, unless it was cancelled.
    void start(qint64 totalRays, Work work, std::function<void()> done);
    void cancel();
    bool isRunning() const;
    // The rays traced so far and all of them.
    qint64 raysDone() const;
    qint64 totalRays() const;

private:
    struct Run {
        std::atomic_bool cancel{false};
        std::atomic<qint64> raysDone{0};
        qint64 totalRays = 0;
    };

    // A thread of its own: a trace waits for the work it hands to Qt's
    // global pool, so running it in that pool could leave nobody to do it.
    QThreadPool m_pool;
    std::shared_ptr<Run> m_run;
    QFutureWatcher<void> m_watcher;
    std::function<void()> m_done;
};
