#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A timer of a transfer. Its expiry is handed to the transfer, which may hold it back while a
// pause runs; the generation tells a held-back expiry that the timer has since been stopped
// or armed again, so that it is dropped like a timer message that never came.
class LinkTimer : public QObject
{
    Q_OBJECT
public:
    LinkTimer(int interval, QObject *parent = nullptr) : QObject(parent)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(interval);
        connect(&m_timer, &QTimer::timeout, this, [this] { emit expired(m_generation); });
    }

    void arm()
    {
        ++m_generation;
        m_timer.start();
    }
    void stop()
    {
        ++m_generation;
        m_timer.stop();
    }
    bool isActive() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }
    quint64 generation() const { return m_generation; }

signals:
    void expired(quint64 generation);

private:
    QTimer m_timer;
    quint64 m_generation = 0;
};
