#pragma once

#include "drawing/Pacer.h"

#include <functional>

// Goes on at once, for tests and measurements of the drawing alone. A test
// that wants to look between two segments of the animation sets onPause.
class NoWaitPacer final : public Pacer {
public:
    void pause() override {
        if (onPause)
            onPause();
    }

    std::function<void()> onPause;
};
