#pragma once

#include "calc/CutResult.h"
#include "calc/CutSolver.h"

#include <QString>

// The three input texts as the user typed them.
struct InputFields {
    QString ir;        // Text1
    QString diameter;  // Text3
    QString epsilon;   // Text2, in degrees
};

// What one press of "CALCULAR" must show, worked out from the three field
// texts without touching any control.
struct ComputePlan {
    // True once IR passed its test: the read-out shows "IR =" and irEcho.
    bool irAccepted = false;
    QString irEcho;
    // The single message to show, empty when the cut can be drawn.
    QString message;
    double D = 0;
    CutResult cut;
    SolverReport solver;

    bool succeeded() const { return message.isEmpty(); }
};

// The checks of the compute command, in order: IR > 1, D > 0, the crown
// limit, then 0 <= épsilon <= 89; the first value that fails decides the
// message. On success the cut is solved; an IR the solver cannot match, or
// values whose results are not finite, are rejected with their own message.
ComputePlan planComputation(const InputFields &fields, const QString &decimalSeparator);

// True when every value of the cut, and every length the read-out prints for
// width D, is a finite number.
bool isPrintable(const CutResult &cut, double D);
