#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

// The serial port as the transfers use it: fixed line settings, discard, send, count of bytes
// not yet sent, take received bytes, a data-available event and a line-error event. Used on
// the user-interface thread only.
class ComPort : public QObject
{
    Q_OBJECT
public:
    explicit ComPort(QObject *parent = nullptr) : QObject(parent) {}

    // Opens the device at 9600 baud, 8 data bits, no parity, 2 stop bits, no flow control,
    // DTR and RTS on. False with the reason when it cannot be opened.
    virtual bool open(const QString &device, QString *problem) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void discardInput() = 0;
    virtual void discardOutput() = 0;
    // Queues the bytes and returns at once.
    virtual void send(const QByteArray &bytes) = 0;
    virtual qint64 unsentCount() const = 0;
    virtual qint64 waitingCount() const = 0;
    virtual QByteArray take(qint64 count) = 0;

    // Line errors are raised only while watched: a transfer watches from the start of an
    // attempt to its end.
    virtual void watchLineErrors(bool on) = 0;

signals:
    void dataAvailable(qint64 waiting);
    void lineError();
    // Bytes handed on to the line (the count of unsent bytes fell by this much).
    void bytesSent(qint64 count);
};
