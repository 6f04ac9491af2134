#pragma once

#include "radio/ComPort.h"

#include <QTimer>

class QSerialPort;

// The serial port of the machine, on QSerialPort. A device that refuses DTR and RTS (a
// pseudo-terminal, some adapters) still counts as open. On Linux the driver's counters of
// overrun, parity and framing errors and breaks are polled while line errors are watched;
// where the driver keeps none, there are no line errors. A vanished device is not a line
// error: nothing more arrives, and the transfer runs into its time-outs.
class SerialComPort : public ComPort
{
    Q_OBJECT
public:
    explicit SerialComPort(QObject *parent = nullptr);
    ~SerialComPort() override;

    bool open(const QString &device, QString *problem) override;
    void close() override;
    bool isOpen() const override;
    void discardInput() override;
    void discardOutput() override;
    void send(const QByteArray &bytes) override;
    qint64 unsentCount() const override;
    qint64 waitingCount() const override;
    QByteArray take(qint64 count) override;
    void watchLineErrors(bool on) override;

private:
    void pollLineErrors();
    bool readLineErrorCount(quint64 &count) const;

    QSerialPort *m_port;
    QTimer m_lineWatch;
    quint64 m_lineErrors = 0;
};
