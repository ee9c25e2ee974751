// For start-up measurements only: makes a program quit the first time its
// message loop finds the queue empty, that is once its window is shown and
// idle, so bench/startup/windows_run.sh can time the whole process. Built
// into the benchmark's programs, never into the installed one.
#pragma once

#include <windows.h>

namespace kalvenor::bench {

// Called by the message loop whenever PeekMessage finds nothing to do.
inline void ExitWhenIdle() { PostQuitMessage(0); }

}  // namespace kalvenor::bench
