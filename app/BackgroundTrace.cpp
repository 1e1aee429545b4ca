#include "app/BackgroundTrace.h"

#include <QtConcurrent/QtConcurrentRun>

BackgroundTrace::BackgroundTrace(QObject *parent) : QObject(parent) {
    m_pool.setMaxThreadCount(1);
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        if (m_run && !m_run->cancel && m_done)
            m_done();
    });
}

BackgroundTrace::~BackgroundTrace() {
    cancel();
    // Runs cancelled before this one may still be stopping.
    m_pool.waitForDone();
}

void BackgroundTrace::start(qint64 totalRays, Work work, std::function<void()> done) {
    cancel();
    // The run keeps its own flags: one cancelled and still stopping goes on
    // reading its own, not those of the run after it.
    auto run = std::make_shared<Run>();
    run->totalRays = totalRays;
    m_run = run;
    m_done = std::move(done);
    m_watcher.setFuture(QtConcurrent::run(&m_pool, [run, work = std::move(work)] {
        work(stone::TraceControl{&run->cancel, &run->raysDone});
    }));
}

void BackgroundTrace::cancel() {
    if (m_run)
        m_run->cancel = true;
}

bool BackgroundTrace::isRunning() const {
    return m_run && !m_run->cancel && m_watcher.isRunning();
}

qint64 BackgroundTrace::raysDone() const {
    return m_run ? m_run->raysDone.load() : 0;
}

qint64 BackgroundTrace::totalRays() const {
    return m_run ? m_run->totalRays : 0;
}
