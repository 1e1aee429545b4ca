#pragma once

#include "drawing/Pacer.h"

// The pause after each segment of the ray animation: long enough for the eye
// to follow the rays being traced one segment at a time (an ordinary stone's
// 65 segments take about 1.3 s), and set by the clock, not by the speed of
// the machine.
inline constexpr std::chrono::milliseconds segmentPause{20};

// Waits by the clock while the window keeps repainting. User input is held
// back meanwhile, so nothing the user does can act in the middle of a
// computation (no second computation, no clearing or closing); it is handled
// once the computation has returned to the event loop.
class TimedPacer final : public Pacer {
public:
    explicit TimedPacer(std::chrono::milliseconds interval = segmentPause);
    void pause() override;
    bool holdsInputBack() const override { return true; }

private:
    std::chrono::milliseconds m_interval;
};
