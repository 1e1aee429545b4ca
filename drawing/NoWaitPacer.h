#pragma once

#include "drawing/Pacer.h"

#include <functional>

// Goes on at once: for paper, which shows every segment anyway, and for
// drawing a computation where nobody watches it being traced. Whoever wants
// to look between two segments of the animation sets onPause.
class NoWaitPacer final : public Pacer {
public:
    void pause() override {
        if (onPause)
            onPause();
    }

    std::function<void()> onPause;
};
