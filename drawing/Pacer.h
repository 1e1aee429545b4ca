#pragma once

#include <chrono>

// Waits between two segments of the ray animation, so that each one is seen
// on its own. Tests inject a pacer that does not wait.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void pause() = 0;
    // True when the user's input is held back during a pause, to be handled
    // once the animation is over.
    virtual bool holdsInputBack() const { return false; }
};
