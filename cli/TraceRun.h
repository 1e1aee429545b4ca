#pragma once

#include "stone/LightTracer.h"

#include <QString>
#include <atomic>
#include <functional>

class QTextStream;

// Long work run from the command line: it goes on a thread of its own while
// this one shows progressLine() on standard error, one line rewritten in
// place about ten times a second, when standard error is a terminal; Ctrl+C
// turns on the flag that work is given, which should then stop it soon.
// Returns false when the user stopped it, after clearing the progress line.
bool runInterruptibly(const std::function<void(const std::atomic_bool &stop)> &work,
                      const std::function<QString()> &progressLine, QTextStream &err);

// A trace of totalRays camera rays run so, its progress told in rays.
bool runTrace(qint64 totalRays, const std::function<void(const stone::TraceControl &)> &trace,
              QTextStream &err);

// How much of total is done, in whole percent; 0 while nothing is planned.
qint64 percentDone(qint64 done, qint64 total);

// What the command line says when the user stopped a trace.
QString traceStoppedMessage();
