#pragma once

// How long a test waits for the stand-in to answer and the program to act on the answer: a whole sync cycle or
// a queued task on a loaded machine under ctest -j16, well above what a run takes, so that a wait only times
// out when what it waits for never comes.
inline constexpr int standinTimeoutMs = 20000;
