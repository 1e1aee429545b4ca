#pragma once

#include "stone/LightTracer.h"

#include <functional>

class QTextStream;

// A long trace run from the command line: the trace goes on a thread of its
// own while this one shows how far it has got on standard error, one line
// rewritten in place, when standard error is a terminal; Ctrl+C stops it.
// Returns false when the user stopped it, after clearing the progress line.
bool runTrace(qint64 totalRays, const std::function<void(const stone::TraceControl &)> &trace,
              QTextStream &err);

// What the command line says when the user stopped a trace.
QString traceStoppedMessage();
