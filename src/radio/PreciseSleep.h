#pragma once

#include <QtGlobal>

#include <atomic>

// Sleeps until the given number of nanoseconds has passed, without the millisecond or so a
// plain sleep may overshoot: the last stretch is waited out by yielding. Returns early, with
// false, once stop is set.
bool PreciseSleep(qint64 nanoseconds, const std::atomic<bool> *stop = nullptr);
