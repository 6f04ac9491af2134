#include "RadioTestSupport.h"

#include "radio/TransferLink.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

SimulatedRadio::SimulatedRadio(const QStringList &options, const QByteArray &image)
{
    QStringList args = options;
    const QString imagePath = m_dir.filePath(QStringLiteral("radio.img"));
    if (!image.isEmpty()) {
        QFile f(imagePath);
        if (f.open(QIODevice::WriteOnly))
            f.write(image);
    }
    args << QStringLiteral("--image") << imagePath << QStringLiteral("--log") << m_dir.filePath(QStringLiteral("log.txt"));
    m_process.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/zq410-radiosim"));
    m_process.setArguments(args);
    m_process.start();
    if (!m_process.waitForStarted(5000))
        return;
    while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
    }
    m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
}

SimulatedRadio::~SimulatedRadio()
{
    stop();
}

void SimulatedRadio::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
    m_process.waitForFinished(1000);
}

void SimulatedRadio::pull()
{
    m_process.kill();
    m_process.waitForFinished(3000);
}

QStringList SimulatedRadio::log()
{
    QFile f(m_dir.filePath(QStringLiteral("log.txt")));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray SimulatedRadio::image()
{
    QFile f(m_dir.filePath(QStringLiteral("radio.img")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

RadioMemory::RadioMemory() : bytes(RadioSim::MemorySize, char(0xFF)) {}

void RadioMemory::put(int address, const Record &record)
{
    for (int i = 0; i < 16; ++i)
        bytes[address + i] = char(record[i]);
}

Record RadioMemory::at(int address) const
{
    Record r {};
    for (int i = 0; i < 16; ++i)
        r[i] = quint8(bytes[address + i]);
    return r;
}

InProcessPort::InProcessPort(const RadioSim::Options &options) : m_radio(options) {}

bool InProcessPort::open(const QString &, QString *)
{
    m_open = true;
    return true;
}

void InProcessPort::close()
{
    m_open = false;
    m_watching = false;
}

static qint64 nowMicro()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.nsecsElapsed() / 1000;
}

void InProcessPort::send(const QByteArray &bytes)
{
    if (!m_open)
        return;
    m_radio.receive(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()), nowMicro());
    pump();
    for (const std::string &line : m_radio.takeLog()) {
        m_log.append(QString::fromStdString(line));
        ++m_frames;
        if (onFrame)
            onFrame(m_frames);
    }
}

void InProcessPort::pump()
{
    const qint64 now = nowMicro();
    m_radio.advance(now);
    bool arrived = false;
    for (std::vector<uint8_t> out = m_radio.takeOutput(now); !out.empty(); out = m_radio.takeOutput(now)) {
        m_in.append(reinterpret_cast<const char *>(out.data()), qsizetype(out.size()));
        arrived = true;
    }
    if (arrived && m_open)
        QTimer::singleShot(0, this, [this] {
            if (m_open && !m_in.isEmpty())
                emit dataAvailable(m_in.size());
        });
    const int64_t next = m_radio.advance(nowMicro());
    if (next >= 0)
        QTimer::singleShot(int(std::max<int64_t>(0, (next - nowMicro()) / 1000)), this, [this] { pump(); });
}

QByteArray InProcessPort::take(qint64 count)
{
    const QByteArray bytes = m_in.left(count);
    m_in.remove(0, bytes.size());
    return bytes;
}

void InProcessPort::raiseLineError()
{
    if (m_watching)
        QTimer::singleShot(0, this, [this] { emit lineError(); });
}

bool RunAttempt(TransferLink &link, int limitMs)
{
    QEventLoop loop;
    bool rested = false;
    auto rest = [&] {
        rested = true;
        loop.quit();
    };
    QObject::connect(&link, &TransferLink::closeRequested, &loop, rest);
    QObject::connect(&link, &TransferLink::stopped, &loop, rest);
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(limitMs);
    QTimer::singleShot(0, &link, [&link, &loop, &rested] {
        link.FormShow();
        if (link.closing()) {
            rested = true;
            loop.quit();
        }
        else if (!link.CloseTime.isActive())
            link.btnOkClick();
    });
    loop.exec();
    link.FormClose();
    return rested;
}
