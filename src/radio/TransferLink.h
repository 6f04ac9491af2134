#pragma once

#include "radio/LinkShared.h"
#include "radio/LinkTimer.h"
#include "radio/TSendThread.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class ComPort;
class QEventLoop;

// What the read and write transfers share: the port and its settings, the handshake, the
// receive and line-error handlers, the time-outs with their messages and Retry/Cancel paths,
// and the hand-over to the worker of each attempt. It is the transfer dialog without its
// widgets; the dialogs (and the command-line tool) show its progress and button state and
// pass their button clicks on. Everything here runs on the user-interface thread.
//
// The pauses of the protocol on this thread keep the window painting and let Cancel work;
// while one runs, the port's events and the timers' expiries are held back and handled
// afterwards, in order, as they would be behind a sleeping thread, so nothing changes on the
// line meanwhile.
class TransferLink : public QObject
{
    Q_OBJECT
public:
    enum State { Transfer = 0, Handshake = 1, Identify = 2, Ended = 5 };

    // The link takes the port (null: the machine's serial port).
    TransferLink(ComPort *port, int tryTimeInterval, int pauseAfterAnswer, bool pauseBeforeWake,
                 QObject *parent = nullptr);
    ~TransferLink() override;

    virtual void FormShow() = 0;
    virtual void btnOkClick() = 0;
    void btnCancelClick();
    // The dialog goes away: abandons the worker, stops every timer, ends running pauses and
    // closes the port. Nothing happens on the line afterwards.
    void FormClose();

    bool okEnabled() const { return m_okEnabled; }
    int progress() const { return m_progress; }
    int progressMax() const { return m_progressMax; }
    int LinkState() const { return m_linkState; }
    int RxIndex() const { return m_rxIndex; }
    bool ErrorReported() const { return m_shared->ErrorReported; }
    bool LineErrorFlag() const { return m_shared->LineErrorFlag; }
    bool closing() const { return m_closing; }
    bool workerRunning() const;
    ComPort *port() const { return m_port; }

    LinkTimer HeadTime;
    LinkTimer TryTime;
    LinkTimer CloseTime;

signals:
    void okEnabledChanged(bool enabled);
    void progressChanged(int position, int maximum);
    // The dialog is to close (after "LPortError", a completed read, or Cancel).
    void closeRequested();
    // The attempt has come to rest: nothing more happens until the user acts.
    void stopped();

protected:
    bool OpenLink(bool discard);
    void StartHandshake();
    void myPortTrigger(qint64 waiting);
    virtual void myPortTriggerLineError() = 0;
    void HeadTimeTimer();
    void TryTimeTimer();
    virtual void CloseTimeTimer();

    // The identity answer, 8 characters. Goes on to StartWorker when the check lets it.
    virtual void CheckModel(const QString &identity) = 0;
    // Called with everyStepDone false also when the reply time-out abandons the worker.
    virtual void Completion(bool everyStepDone, bool abandoned) = 0;
    // A line error came during the handshake: the identity answer is not acted on.
    virtual void LineErrorEndsAttempt() {}
    // The reply time-out's Retry: each dialog starts its new attempt its own way.
    virtual void RetryAfterReplyTimeout() = 0;

    // A fresh receive state for a new attempt.
    void BeginAttempt();
    void StartWorker(TSendThread::Body body);
    void WakeWorker();
    // Wakes a waiting worker with the line-error flag set.
    void WakeWorkerWithLineError();
    // Orders the worker of this attempt to stop and forgets it; its queued calls are dropped.
    void AbandonWorker();

    bool Pause(int ms);
    // Shows a message unless this attempt has reported one; 0 when nothing was shown.
    int ReportOnce(const QString &text, int type);
    int Ask(const QString &text, int type);
    void SetOkEnabled(bool enabled);
    void SetProgress(int position);
    void SetProgressMax(int maximum);
    void SendBytes(const QByteArray &bytes);
    void WatchLineErrors(bool on);

    LinkShared &shared() { return *m_shared; }
    // Routes a timer's expiry through the same hold as the port's events.
    void onTimer(LinkTimer &timer, quint64 generation, std::function<void()> handler);
    int m_linkState = Transfer;
    int m_rxIndex = 0;

private:
    friend class TSendThread;

    // Entry points for the worker's queued calls.
    void workerSend(quint64 attempt, const QByteArray &frame, bool armTryTime);
    void workerCall(quint64 attempt, const std::function<void(TransferLink &)> &call);
    void workerEnded(quint64 attempt, TSendThread::Result result);
    qint64 unsentForWorker() const { return m_unsent.load() + m_portUnsent.load(); }

    void onEvent(std::function<void()> handler);
    void eventWait(int ms);
    void postFlush();
    void flushHeld();
    void reapWorkers(bool all);

    ComPort *m_port;
    std::shared_ptr<LinkShared> m_shared;
    int m_pauseAfterAnswer;
    bool m_pauseBeforeWake;
    TSendThread *m_worker = nullptr;
    quint64 m_attempt = 0;
    std::vector<std::unique_ptr<TSendThread>> m_workers;
    bool m_okEnabled = true;
    int m_progress = 0;
    int m_progressMax = 100;
    bool m_closing = false;
    int m_hold = 0;
    bool m_inHandler = false;
    bool m_flushPosted = false;
    QList<std::function<void()>> m_held;
    bool m_triggerHeld = false;
    QList<QEventLoop *> m_pauses;
    std::atomic<qint64> m_unsent {0};
    std::atomic<qint64> m_portUnsent {0};
};
