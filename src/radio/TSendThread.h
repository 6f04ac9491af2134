#pragma once

#include "radio/LinkShared.h"
#include "radio/TBWriteRead.h"

#include <QByteArray>
#include <QSemaphore>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class TransferLink;

// The worker of one attempt: sends one command at a time through its transfer (which uses
// the port on the user-interface thread) and waits until the receive handler or the
// line-error handler wakes it. Every effect on the user-interface thread is a queued call,
// dropped once the worker has been abandoned. An abandoned worker is woken with an order to
// stop and then touches nothing more.
class TSendThread : public QThread
{
public:
    enum Result {
        Failed, // a step failed: reported once ("ComError") unless already reported
        Done,   // every step was done
        Quiet,  // ended without reading anything and without a report
    };
    using Body = std::function<Result(TSendThread &)>;

    TSendThread(TransferLink *link, std::shared_ptr<LinkShared> shared, quint64 attempt, Body body,
                int pauseAfterAnswer);
    ~TSendThread() override;

    // Worker primitives.
    bool SendAndWait(const QByteArray &frame, int expected);
    bool ExchangeAck();
    bool ReadRecord(Record &buffer);
    bool WriteRecord(const Record &buffer, char command);
    bool SendEnd();

    qint32 BlockAddress = 0;

    // Worker-side effects on the dialog.
    void SetProgressMax(int maximum);
    void SetProgress(int position);
    void SetOkEnabled(bool enabled);
    void StopTryTime();

    // From the user-interface thread.
    void Wake();
    void OrderStop();
    bool isWaiting() const { return m_waiting.load(); }
    quint64 attempt() const { return m_attempt; }
    bool stopOrdered() const { return m_stop.load(); }

protected:
    void run() override;

private:
    bool send(const QByteArray &frame, bool armTryTime);
    bool waitForAnswer();
    bool pause(int ms);
    void advanceProgress();
    void post(std::function<void(TransferLink &)> call);

    TransferLink *m_link;
    std::shared_ptr<LinkShared> m_shared;
    quint64 m_attempt;
    Body m_body;
    int m_pauseAfterAnswer;
    QSemaphore m_wake;
    std::atomic<bool> m_stop {false};
    std::atomic<bool> m_waiting {false};
    std::mutex m_pauseMutex;
    std::condition_variable m_pauseCondition;
};
