#include "radio/TransferLink.h"

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/Utilities.h"
#include "i18n/TLanguage.h"
#include "radio/ComPort.h"
#include "radio/PortNames.h"
#include "radio/PreciseSleep.h"
#include "radio/SerialComPort.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
constexpr int HandshakeTimeout = 500;
constexpr int CloseDelay = 300;
constexpr int OpenPause = 50;
constexpr int WakeUpPause = 200;
constexpr int CharacterPause = 2;
constexpr int AnswerPause = 5;
constexpr int SilencePause = 2500;
constexpr int PreciseTail = 5;
constexpr quint8 STX = 0x02;
constexpr quint8 ACK = 0x06;
} // namespace

TransferLink::TransferLink(ComPort *port, int tryTimeInterval, int pauseAfterAnswer, bool pauseBeforeWake,
                           QObject *parent)
    : QObject(parent),
      HeadTime(HandshakeTimeout, this),
      TryTime(tryTimeInterval, this),
      CloseTime(CloseDelay, this),
      m_port(port ? port : new SerialComPort(this)),
      m_shared(std::make_shared<LinkShared>()),
      m_pauseAfterAnswer(pauseAfterAnswer),
      m_pauseBeforeWake(pauseBeforeWake)
{
    if (!m_port->parent())
        m_port->setParent(this);
    connect(m_port, &ComPort::dataAvailable, this, [this](qint64) {
        if (m_triggerHeld)
            return;
        m_triggerHeld = true;
        onEvent([this] {
            m_triggerHeld = false;
            myPortTrigger(m_port->waitingCount());
        });
    });
    connect(m_port, &ComPort::lineError, this, [this] { onEvent([this] { myPortTriggerLineError(); }); });
    connect(m_port, &ComPort::bytesSent, this, [this](qint64) { m_portUnsent = m_port->unsentCount(); });
    connect(&HeadTime, &LinkTimer::expired, this,
            [this](quint64 g) { onTimer(HeadTime, g, [this] { HeadTimeTimer(); }); });
    connect(&TryTime, &LinkTimer::expired, this,
            [this](quint64 g) { onTimer(TryTime, g, [this] { TryTimeTimer(); }); });
    connect(&CloseTime, &LinkTimer::expired, this,
            [this](quint64 g) { onTimer(CloseTime, g, [this] { CloseTimeTimer(); }); });
}

TransferLink::~TransferLink()
{
    FormClose();
    reapWorkers(true);
}

void TransferLink::btnCancelClick()
{
    emit closeRequested();
}

void TransferLink::FormClose()
{
    m_closing = true;
    AbandonWorker();
    HeadTime.stop();
    TryTime.stop();
    CloseTime.stop();
    m_held.clear();
    for (QEventLoop *loop : std::as_const(m_pauses))
        loop->quit();
    m_port->watchLineErrors(false);
    m_port->close();
}

bool TransferLink::workerRunning() const
{
    return m_worker && m_worker->isRunning();
}

bool TransferLink::OpenLink(bool discard)
{
    m_port->close();
    if (!Pause(OpenPause))
        return false;
    const int number = PortNumberOf(ALL->PortName);
    const QString device = PortDevicePath(number);
    QString problem;
    bool opened = number > 0 && !device.isEmpty() && m_port->open(device, &problem);
    if (opened && discard) {
        m_port->discardInput();
        m_port->discardOutput();
    }
    if (!opened) {
        if (!m_shared->ErrorReported) {
            m_shared->ErrorReported = true;
            Ask(Language->LPortError, MsgInformation);
        }
        return false;
    }
    return true;
}

void TransferLink::StartHandshake()
{
    m_linkState = Handshake;
    m_shared->RxExpected = 1;
    SendBytes(QByteArray(1, char(STX)));
    if (!Pause(WakeUpPause))
        return;
    const QByteArray program("PROGRAM");
    for (int i = 0; i < program.size(); ++i) {
        if (i > 0 && !Pause(CharacterPause))
            return;
        SendBytes(program.mid(i, 1));
    }
}

void TransferLink::myPortTrigger(qint64 waiting)
{
    if (m_closing || waiting <= 0)
        return;
    LinkShared &s = *m_shared;
    const QByteArray bytes = m_port->take(waiting);
    for (char b : bytes) {
        if (m_rxIndex <= LinkShared::LastStored) {
            s.RxBuffer[m_rxIndex] = quint8(b);
            --s.RxExpected;
            ++m_rxIndex;
        }
    }
    if (s.RxExpected > 0)
        return;
    m_rxIndex = 0;
    switch (m_linkState) {
    case Transfer:
        if (m_pauseBeforeWake && !Pause(AnswerPause))
            return;
        WakeWorker();
        break;
    case Handshake:
        if (s.RxBuffer[0] == ACK || s.RxBuffer[1] == ACK) {
            m_linkState = Identify;
            s.RxExpected = 8;
            HeadTime.stop();
            if (!Pause(AnswerPause))
                return;
            SendBytes(QByteArray(1, char(STX)));
            HeadTime.arm();
        }
        break;
    case Identify: {
        HeadTime.stop();
        if (s.LineErrorSeen) {
            // The attempt failed on the line before its worker started; it goes no further.
            m_linkState = Ended;
            LineErrorEndsAttempt();
            break;
        }
        TryTime.stop();
        const QString identity = BytesToText(reinterpret_cast<const char *>(s.RxBuffer), 8);
        CheckModel(identity);
        break;
    }
    default:
        break;
    }
}

void TransferLink::HeadTimeTimer()
{
    HeadTime.stop();
    if (m_shared->ErrorReported)
        return;
    if (!Pause(SilencePause))
        return;
    m_shared->ErrorReported = true;
    const int answer = Ask(Language->ComError, MsgRetryCancel);
    if (m_closing)
        return;
    SetOkEnabled(true);
    if (answer == ResultRetry) {
        btnOkClick();
    } else {
        WatchLineErrors(false);
        emit stopped();
    }
}

void TransferLink::TryTimeTimer()
{
    TryTime.stop();
    if (m_shared->ErrorReported)
        return;
    AbandonWorker();
    Completion(false, true);
    RetryAfterReplyTimeout();
}

void TransferLink::CloseTimeTimer()
{
    CloseTime.stop();
    emit closeRequested();
}

void TransferLink::BeginAttempt()
{
    AbandonWorker();
    reapWorkers(false);
    m_shared = std::make_shared<LinkShared>();
    m_unsent = 0;
}

void TransferLink::StartWorker(TSendThread::Body body)
{
    AbandonWorker();
    auto worker = std::make_unique<TSendThread>(this, m_shared, ++m_attempt, std::move(body), m_pauseAfterAnswer);
    m_worker = worker.get();
    m_workers.push_back(std::move(worker));
    m_worker->start();
}

void TransferLink::WakeWorker()
{
    if (m_worker)
        m_worker->Wake();
}

void TransferLink::WakeWorkerWithLineError()
{
    m_shared->LineErrorSeen = true;
    if (m_worker && m_worker->isWaiting()) {
        m_shared->LineErrorFlag = true;
        m_worker->Wake();
    }
}

void TransferLink::AbandonWorker()
{
    if (!m_worker)
        return;
    m_worker->OrderStop();
    m_worker = nullptr;
    ++m_attempt;
}

void TransferLink::reapWorkers(bool all)
{
    for (auto it = m_workers.begin(); it != m_workers.end();) {
        if (all || (*it)->isFinished()) {
            if (it->get() == m_worker)
                m_worker = nullptr;
            (*it)->OrderStop();
            (*it)->wait();
            it = m_workers.erase(it);
        } else {
            ++it;
        }
    }
}

bool TransferLink::Pause(int ms)
{
    if (m_closing)
        return false;
    if (ms <= 0)
        return true;
    QElapsedTimer clock;
    clock.start();
    const qint64 length = qint64(ms) * 1000000;
    // The event loop's timers may be late by up to a millisecond: wait in it for all but the
    // last few milliseconds, then sleep out the rest exactly. Short pauses only sleep; they
    // are too short to be seen.
    if (ms > PreciseTail)
        eventWait(ms - PreciseTail);
    if (m_closing)
        return false;
    const qint64 rest = length - clock.nsecsElapsed();
    if (rest > 0)
        PreciseSleep(rest);
    return !m_closing;
}

void TransferLink::eventWait(int ms)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    ++m_hold;
    m_pauses.append(&loop);
    timer.start(ms);
    loop.exec();
    m_pauses.removeOne(&loop);
    --m_hold;
    postFlush();
}

int TransferLink::ReportOnce(const QString &text, int type)
{
    if (m_shared->ErrorReported)
        return 0;
    m_shared->ErrorReported = true;
    return Ask(text, type);
}

int TransferLink::Ask(const QString &text, int type)
{
    ++m_hold;
    const int answer = ShowMessage(Language->Confirmation, text, type);
    --m_hold;
    postFlush();
    return answer;
}

void TransferLink::SetOkEnabled(bool enabled)
{
    if (m_okEnabled == enabled)
        return;
    m_okEnabled = enabled;
    emit okEnabledChanged(enabled);
}

void TransferLink::SetProgress(int position)
{
    m_progress = qBound(0, position, m_progressMax);
    emit progressChanged(m_progress, m_progressMax);
}

void TransferLink::SetProgressMax(int maximum)
{
    m_progressMax = qMax(0, maximum);
    m_progress = qMin(m_progress, m_progressMax);
    emit progressChanged(m_progress, m_progressMax);
}

void TransferLink::SendBytes(const QByteArray &bytes)
{
    if (m_closing)
        return;
    m_port->send(bytes);
    m_portUnsent = m_port->unsentCount();
}

void TransferLink::WatchLineErrors(bool on)
{
    m_port->watchLineErrors(on && !m_closing);
}

void TransferLink::workerSend(quint64 attempt, const QByteArray &frame, bool armTryTime)
{
    m_unsent -= frame.size();
    if (attempt != m_attempt || !m_worker || m_closing)
        return;
    SendBytes(frame);
    if (armTryTime)
        TryTime.arm();
}

void TransferLink::workerCall(quint64 attempt, const std::function<void(TransferLink &)> &call)
{
    if (attempt != m_attempt || !m_worker || m_closing)
        return;
    call(*this);
}

void TransferLink::workerEnded(quint64 attempt, TSendThread::Result result)
{
    onEvent([this, attempt, result] {
        if (attempt != m_attempt || !m_worker || m_closing)
            return;
        m_worker = nullptr;
        if (result == TSendThread::Failed)
            ReportOnce(Language->ComError, MsgInformation);
        if (m_closing)
            return;
        Completion(result == TSendThread::Done, false);
    });
}

void TransferLink::onEvent(std::function<void()> handler)
{
    if (m_closing)
        return;
    if (m_hold > 0 || m_inHandler) {
        m_held.append(std::move(handler));
        return;
    }
    m_inHandler = true;
    handler();
    m_inHandler = false;
    postFlush();
}

void TransferLink::onTimer(LinkTimer &timer, quint64 generation, std::function<void()> handler)
{
    LinkTimer *t = &timer;
    onEvent([t, generation, handler = std::move(handler)] {
        if (t->generation() == generation)
            handler();
    });
}

void TransferLink::postFlush()
{
    if (m_hold == 0 && !m_inHandler && !m_held.isEmpty() && !m_flushPosted && !m_closing) {
        m_flushPosted = true;
        QMetaObject::invokeMethod(this, &TransferLink::flushHeld, Qt::QueuedConnection);
    }
}

void TransferLink::flushHeld()
{
    m_flushPosted = false;
    while (!m_held.isEmpty() && m_hold == 0 && !m_inHandler && !m_closing) {
        std::function<void()> handler = m_held.takeFirst();
        m_inHandler = true;
        handler();
        m_inHandler = false;
    }
}
