#include "radio/SerialComPort.h"

#include <QSerialPort>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace {
constexpr int LineWatchInterval = 10; // ms
}

SerialComPort::SerialComPort(QObject *parent) : ComPort(parent), m_port(new QSerialPort(this))
{
    connect(m_port, &QSerialPort::readyRead, this, [this] { emit dataAvailable(m_port->bytesAvailable()); });
    connect(m_port, &QSerialPort::bytesWritten, this, [this](qint64 n) { emit bytesSent(n); });
    connect(m_port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // The device went away: stop using it; the transfer's time-outs report the failure.
        if (e == QSerialPort::ResourceError && m_port->isOpen()) {
            m_lineWatch.stop();
            m_port->close();
        }
    });
    m_lineWatch.setInterval(LineWatchInterval);
    connect(&m_lineWatch, &QTimer::timeout, this, &SerialComPort::pollLineErrors);
}

SerialComPort::~SerialComPort()
{
    close();
}

bool SerialComPort::open(const QString &device, QString *problem)
{
    close();
    m_port->setPortName(device);
    m_port->setBaudRate(QSerialPort::Baud9600);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::TwoStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        if (problem)
            *problem = m_port->errorString();
        m_port->clearError();
        return false;
    }
    // Pseudo-terminals and some adapters have no modem lines ("Inappropriate ioctl for
    // device"); the port works without them.
    m_port->setDataTerminalReady(true);
    m_port->setRequestToSend(true);
    m_port->clearError();
    return true;
}

void SerialComPort::close()
{
    m_lineWatch.stop();
    if (m_port->isOpen())
        m_port->close();
    m_port->clearError();
}

bool SerialComPort::isOpen() const
{
    return m_port->isOpen();
}

void SerialComPort::discardInput()
{
    if (m_port->isOpen())
        m_port->clear(QSerialPort::Input);
}

void SerialComPort::discardOutput()
{
    if (m_port->isOpen())
        m_port->clear(QSerialPort::Output);
}

void SerialComPort::send(const QByteArray &bytes)
{
    if (!m_port->isOpen())
        return;
    m_port->write(bytes);
    // Onto the line now, not at the next turn of the event loop: the pauses count from here.
    m_port->flush();
}

qint64 SerialComPort::unsentCount() const
{
    return m_port->isOpen() ? m_port->bytesToWrite() : 0;
}

qint64 SerialComPort::waitingCount() const
{
    return m_port->isOpen() ? m_port->bytesAvailable() : 0;
}

QByteArray SerialComPort::take(qint64 count)
{
    return m_port->isOpen() ? m_port->read(count) : QByteArray();
}

void SerialComPort::watchLineErrors(bool on)
{
    m_lineWatch.stop();
    if (!on || !m_port->isOpen())
        return;
    if (readLineErrorCount(m_lineErrors))
        m_lineWatch.start();
}

void SerialComPort::pollLineErrors()
{
    quint64 count = 0;
    if (!m_port->isOpen() || !readLineErrorCount(count)) {
        m_lineWatch.stop();
        return;
    }
    if (count != m_lineErrors) {
        m_lineErrors = count;
        emit lineError();
    }
}

bool SerialComPort::readLineErrorCount(quint64 &count) const
{
#ifdef Q_OS_LINUX
    serial_icounter_struct ic {};
    if (::ioctl(int(m_port->handle()), TIOCGICOUNT, &ic) != 0)
        return false;
    count = quint64(unsigned(ic.frame)) + unsigned(ic.overrun) + unsigned(ic.parity) + unsigned(ic.brk)
          + unsigned(ic.buf_overrun);
    return true;
#else
    Q_UNUSED(count);
    return false;
#endif
}
