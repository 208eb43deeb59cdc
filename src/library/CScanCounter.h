#pragma once

// Feedback during a folder scan, which blocks the window: the number of
// files examined so far, repainted before returning.
class CScanCounter {
public:
    virtual ~CScanCounter() = default;

    virtual void ShowCount(int count) = 0;
};
