#include "radio/TSendThread.h"

#include "radio/PreciseSleep.h"
#include "radio/TransferLink.h"

#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <exception>

namespace {
constexpr quint8 ACK = 0x06;
constexpr char EndCommand = 'E';
constexpr char ReadCommand = 'R';
constexpr int HalfLength = 8;
constexpr int ReadAnswerLength = 12;
constexpr int EndChecks = 100;
constexpr int EndCheckInterval = 50;

QByteArray halfHeader(char command, qint32 address)
{
    QByteArray frame;
    frame.append(command);
    frame.append(char((address >> 8) & 0xFF));
    frame.append(char(address & 0xFF));
    frame.append(char(HalfLength));
    return frame;
}
} // namespace

TSendThread::TSendThread(TransferLink *link, std::shared_ptr<LinkShared> shared, quint64 attempt, Body body,
                         int pauseAfterAnswer)
    : m_link(link), m_shared(std::move(shared)), m_attempt(attempt), m_body(std::move(body)),
      m_pauseAfterAnswer(pauseAfterAnswer)
{
}

TSendThread::~TSendThread()
{
    OrderStop();
    wait();
}

void TSendThread::run()
{
    Result result = Failed;
    try {
        if (!stopOrdered())
            result = m_body(*this);
    } catch (const std::exception &) {
        result = Failed;
    }
    if (stopOrdered())
        return;
    TransferLink *link = m_link;
    const quint64 attempt = m_attempt;
    QMetaObject::invokeMethod(
        link, [link, attempt, result] { link->workerEnded(attempt, result); }, Qt::QueuedConnection);
}

void TSendThread::post(std::function<void(TransferLink &)> call)
{
    if (stopOrdered())
        return;
    TransferLink *link = m_link;
    const quint64 attempt = m_attempt;
    QMetaObject::invokeMethod(
        link, [link, attempt, call = std::move(call)] { link->workerCall(attempt, call); }, Qt::QueuedConnection);
}

bool TSendThread::send(const QByteArray &frame, bool armTryTime)
{
    if (stopOrdered())
        return false;
    // A wake-up left over from stray bytes must not stand for the answer to this frame.
    while (m_wake.tryAcquire())
        ;
    m_link->m_unsent += frame.size();
    TransferLink *link = m_link;
    const quint64 attempt = m_attempt;
    QMetaObject::invokeMethod(
        link, [link, attempt, frame, armTryTime] { link->workerSend(attempt, frame, armTryTime); },
        Qt::QueuedConnection);
    return true;
}

bool TSendThread::waitForAnswer()
{
    m_waiting = true;
    m_wake.acquire();
    m_waiting = false;
    return !stopOrdered();
}

bool TSendThread::pause(int ms)
{
    return PreciseSleep(qint64(ms) * 1000000, &m_stop);
}

bool TSendThread::SendAndWait(const QByteArray &frame, int expected)
{
    if (stopOrdered())
        return false;
    m_shared->RxExpected = expected;
    m_shared->LineErrorFlag = false;
    if (!send(frame, true) || !waitForAnswer())
        return false;
    StopTryTime();
    if (m_pauseAfterAnswer > 0 && !pause(m_pauseAfterAnswer))
        return false;
    return !m_shared->LineErrorFlag && !m_shared->LineErrorSeen;
}

bool TSendThread::ExchangeAck()
{
    if (stopOrdered())
        return false;
    m_shared->RxExpected = 1;
    m_shared->LineErrorFlag = false;
    if (!send(QByteArray(1, char(ACK)), false) || !waitForAnswer())
        return false;
    return m_shared->RxBuffer[0] == ACK && !m_shared->LineErrorFlag && !m_shared->LineErrorSeen;
}

bool TSendThread::ReadRecord(Record &buffer)
{
    for (int half = 0; half < 2; ++half) {
        BlockAddress += HalfLength;
        if (!SendAndWait(halfHeader(ReadCommand, BlockAddress), ReadAnswerLength))
            return false;
        std::copy_n(m_shared->RxBuffer + 4, HalfLength, buffer.begin() + half * HalfLength);
        if (!ExchangeAck())
            return false;
    }
    advanceProgress();
    return true;
}

bool TSendThread::WriteRecord(const Record &buffer, char command)
{
    for (int half = 0; half < 2; ++half) {
        BlockAddress += HalfLength;
        QByteArray frame = halfHeader(command, BlockAddress);
        frame.append(reinterpret_cast<const char *>(buffer.data()) + half * HalfLength, HalfLength);
        if (!SendAndWait(frame, 1))
            return false;
    }
    advanceProgress();
    return true;
}

bool TSendThread::SendEnd()
{
    m_shared->RxExpected = 1;
    m_shared->LineErrorFlag = false;
    if (!send(QByteArray(1, EndCommand), false))
        return true;
    for (int check = 0; check < EndChecks && m_link->unsentForWorker() > 0; ++check)
        if (!pause(EndCheckInterval))
            break;
    return true;
}

void TSendThread::SetProgressMax(int maximum)
{
    post([maximum](TransferLink &l) { l.SetProgressMax(maximum); });
}

void TSendThread::SetProgress(int position)
{
    post([position](TransferLink &l) { l.SetProgress(position); });
}

void TSendThread::advanceProgress()
{
    post([](TransferLink &l) { l.SetProgress(l.progress() + 1); });
}

void TSendThread::SetOkEnabled(bool enabled)
{
    post([enabled](TransferLink &l) { l.SetOkEnabled(enabled); });
}

void TSendThread::StopTryTime()
{
    post([](TransferLink &l) { l.TryTime.stop(); });
}

void TSendThread::Wake()
{
    if (m_wake.available() == 0)
        m_wake.release();
}

void TSendThread::OrderStop()
{
    {
        std::lock_guard lock(m_pauseMutex);
        m_stop = true;
    }
    m_pauseCondition.notify_all();
    if (m_wake.available() == 0)
        m_wake.release();
}
