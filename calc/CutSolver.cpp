#include "calc/CutSolver.h"

#include "calc/Constants.h"

#include <cmath>

namespace {

// The bracket of the trial proportion: the lower end gives a trial IR of
// 1.000; the upper end lies just below the pole of the trial ratio.
constexpr double kInitialLow = 0.0000001;
constexpr double kInitialHigh = 0.2353417;
constexpr double kMatchTolerance = 0.000001;
// Every matchable IR is found within about 55 passes; halving a double
// interval cannot go on much longer, so this bound is only a safety net.
constexpr int kMaxPasses = 200;

// The refractive index implied by trial proportion x, rounded half up to
// three decimals.
double trialIndex(double x, double beta) {
    const double halfTable0 = (1 - 2 * x) / 2;
    const double gamma =
        std::atan((halfTable0 / std::tan(2 * beta) - std::tan(pi / 4 - beta / 2) / 2) / x);
    return std::floor(1000 * std::sin(gamma) / std::sin(gamma - 2 * beta) + 0.5) / 1000;
}

struct TrialProportion {
    double x = 0;
    double beta = 0;
};

TrialProportion searchProportion(double IR, SolverReport &report) {
    double xHigh = kInitialHigh;
    double xLow = kInitialLow;
    TrialProportion trial;
    while (report.passes < kMaxPasses) {
        const double x = (xHigh + xLow) / 2;
        // Once the midpoint repeats, the bracket can no longer narrow and
        // no later pass could match.
        if (report.passes > 0 && (x == trial.x || x == xLow || x == xHigh))
            break;
        trial = {x, arcsine(x)};
        ++report.passes;
        const double irTrial = trialIndex(trial.x, trial.beta);
        if (irTrial > IR)
            xHigh = x;
        if (irTrial < IR)
            xLow = x;
        if (std::fabs(irTrial - IR) < kMatchTolerance) {
            report.matched = true;
            break;
        }
    }
    return trial;
}

}  // namespace

double arcsine(double s) {
    return std::atan(s / std::sqrt(-s * s + 1));
}

double criticalAngle(double IR) {
    return arcsine(1 / IR);
}

CutResult solveCut(double IR, double eps, SolverReport *report) {
    CutResult r;
    r.IR = IR;
    r.eps = eps;
    r.critAngle = criticalAngle(IR);
    r.epsIn = arcsine(std::sin(eps) / IR);

    SolverReport search;
    const TrialProportion trial = searchProportion(IR, search);
    if (report)
        *report = search;
    r.x = trial.x;
    r.beta = trial.beta;

    const double tilt = 2 * (r.beta - r.epsIn / 2);
    r.i = std::atan(std::sin(tilt) / (std::cos(tilt) - 1 / IR));
    const double iIn = arcsine(std::sin(r.i) / IR);
    r.deltaI = r.i - iIn;
    r.alfa = pi / 4 + (r.beta / 2 - r.deltaI / 2);
    const double t = std::tan(r.i) * std::tan(r.epsIn);
    r.bRatio = r.x * (t / (1 - t) + 1);
    r.aRatio = 1 - 2 * r.bRatio;
    r.qRatio = r.bRatio * std::tan(r.i);
    r.nRatio = std::tan(r.alfa) / 2;
    return r;
}
