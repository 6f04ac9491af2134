#pragma once

#include <QtGlobal>

#include <atomic>

// The receive state a worker and the receive handler hand back and forth. They alternate
// strictly: the worker writes RxExpected and LineErrorFlag only before it sends and reads
// RxBuffer only once woken; the receive handler writes them only while the worker waits.
// Each attempt gets a set of its own, so that an abandoned worker cannot disturb the next.
struct LinkShared
{
    static constexpr int BufferSize = 51;
    static constexpr int LastStored = 48; // bytes beyond this position are dropped, not counted

    quint8 RxBuffer[BufferSize] = {};
    std::atomic<qint32> RxExpected {0};
    std::atomic<bool> LineErrorFlag {false};
    // A line error came while the worker was not waiting: its current step fails all the same.
    std::atomic<bool> LineErrorSeen {false};
    std::atomic<bool> ErrorReported {false};
};
