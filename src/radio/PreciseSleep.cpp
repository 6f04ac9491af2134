#include "radio/PreciseSleep.h"

#include <QtGlobal>

#include <chrono>
#include <thread>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#include <time.h>
#endif

namespace {

// Timers of this thread fire on time, not up to the default 50 microseconds late.
void tightenTimerSlack()
{
#ifdef Q_OS_LINUX
    thread_local bool done = false;
    if (!done) {
        ::prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);
        done = true;
    }
#endif
}

} // namespace

bool PreciseSleep(qint64 nanoseconds, const std::atomic<bool> *stop)
{
    tightenTimerSlack();
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::nanoseconds(nanoseconds);
    // In slices, so that a stop order is seen within a few milliseconds.
    constexpr auto Slice = std::chrono::milliseconds(5);
    for (;;) {
        if (stop && stop->load())
            return false;
        const auto now = Clock::now();
        if (now >= deadline)
            return true;
        const auto until = std::min<Clock::time_point>(deadline, now + Slice);
#ifdef Q_OS_LINUX
        const auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(until.time_since_epoch()).count();
        timespec ts {time_t(since / 1000000000), long(since % 1000000000)};
        ::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr);
#else
        std::this_thread::sleep_until(until);
#endif
    }
}
