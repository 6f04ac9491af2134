#pragma once

#include "radio/ComPort.h"
#include "radio/TBWriteRead.h"
#include "RadioSim.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <functional>
#include <memory>

#include <ostream>

class TransferLink;

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// The simulated radio as a process on a pseudo-terminal, with a memory image and a log of
// the command frames it received.
class SimulatedRadio
{
public:
    explicit SimulatedRadio(const QStringList &options = {}, const QByteArray &image = QByteArray());
    ~SimulatedRadio();

    bool started() const { return !m_device.isEmpty(); }
    QString device() const { return m_device; }
    // Stops the radio, which then saves its memory and has logged every frame.
    void stop();
    // The cable is pulled: the radio and its terminal vanish at once.
    void pull();
    QStringList log();
    QByteArray image();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_device;
};

// A 1 KiB radio memory: unprogrammed, with records placed at their addresses.
struct RadioMemory
{
    RadioMemory();
    void put(int address, const Record &record);
    Record at(int address) const;
    QByteArray bytes;
};

// The same radio in process, behind a port the test controls: line errors on demand.
class InProcessPort : public ComPort
{
    Q_OBJECT
public:
    explicit InProcessPort(const RadioSim::Options &options = {});

    bool open(const QString &device, QString *problem) override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void discardInput() override { m_in.clear(); }
    void discardOutput() override {}
    void send(const QByteArray &bytes) override;
    qint64 unsentCount() const override { return 0; }
    qint64 waitingCount() const override { return m_in.size(); }
    QByteArray take(qint64 count) override;
    void watchLineErrors(bool on) override { m_watching = on; }

    RadioSim &radio() { return m_radio; }
    QStringList log() const { return m_log; }
    // Called after every frame the program sends, with the number of frames so far.
    std::function<void(int)> onFrame;
    // Raises a line error as the driver would, if line errors are being watched.
    void raiseLineError();

private:
    void pump();

    RadioSim m_radio;
    bool m_open = false;
    bool m_watching = false;
    QByteArray m_in;
    QStringList m_log;
    int m_frames = 0;
};

// Opens the link and runs one attempt as a click on Ok, until it comes to rest or the
// dialog is to close; then closes the link. False when it did not come to rest in time.
bool RunAttempt(TransferLink &link, int limitMs = 30000);
