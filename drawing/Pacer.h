#pragma once

#include <chrono>

// Waits between two segments of the ray animation, so that each one is seen
// on its own. Tests inject a pacer that does not wait.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void pause() = 0;
};
