#pragma once

#include "drawing/Pacer.h"

// Goes on at once: for tests and measurements of the drawing alone.
class NoWaitPacer final : public Pacer {
public:
    void pause() override {}
};
