#pragma once

// A fuzz target's own check: a broken promise stops the run where libFuzzer records the input.
inline void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}
