// A read and a write of a 16-channel radio against the simulated radio with the line's byte
// times emulated, from the click on Ok to the end of the transfer, beside the protocol's
// minimum: the sum of the mandated pauses and of the byte times at 9600 baud 8N2.

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/TfMaindb.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/TMacList.h"
#include "radio/PortNames.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr double ByteTime = 11.0 / 9600.0 * 1000.0; // ms
constexpr int Channels16 = 16;
constexpr int Records = Channels16 + 8;

// Handshake: 0x02 and "PROGRAM" out, 0x06 in; 0x02 out, 8 identity bytes in; then the
// worker's first acknowledge exchange, 1 byte each way; 0x45 at the end.
constexpr int HandshakeBytes = 1 + 7 + 1 + 1 + 8 + 1 + 1;
// Click pause, 200 ms after 0x02, six 2 ms gaps, 5 ms before the identity query and before
// the worker starts.
constexpr double HandshakePauses = 200 + 6 * 2 + 5 + 5;

double readMinimum()
{
    const int bytes = HandshakeBytes + Records * 2 * (4 + 12 + 1 + 1) + 1;
    // 5 ms before every wake-up of the worker: its first exchange and four answers a record.
    const double pauses = 500 + HandshakePauses + 5 * (1 + 4 * Records);
    return pauses + bytes * ByteTime;
}

double writeMinimum()
{
    const int bytes = HandshakeBytes + Records * 2 * (12 + 1) + 1;
    const double pauses = 450 + 50 + HandshakePauses + 28 * 2 * Records;
    return pauses + bytes * ByteTime;
}

QString startRadio(QProcess &radio, const QString &image)
{
    radio.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/zq410-radiosim"));
    radio.setArguments({QStringLiteral("--line-timing"), QStringLiteral("--image"), image});
    radio.start();
    if (!radio.waitForStarted(5000))
        return QString();
    while (!radio.canReadLine() && radio.waitForReadyRead(5000)) {
    }
    return QString::fromLocal8Bit(radio.readLine()).trimmed();
}

// Milliseconds from the click to the end of a completed transfer; negative when it failed.
double timeTransfer(TransferLink &link, const bool &done)
{
    QEventLoop loop;
    QObject::connect(&link, &TransferLink::stopped, &loop, &QEventLoop::quit);
    QObject::connect(&link, &TransferLink::closeRequested, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    QTimer::singleShot(0, &link, [&] {
        link.FormShow();
        if (link.closing() || link.CloseTime.isActive()) {
            loop.quit();
            return;
        }
        clock.start();
        link.btnOkClick();
    });
    loop.exec();
    const double ms = clock.isValid() ? clock.nsecsElapsed() / 1e6 : -1.0;
    link.FormClose();
    return done ? ms : -1.0;
}

void fillChannels()
{
    for (int n = 1; n <= ALL->ChannelCount; ++n)
        StoreChannelRow(*Channels, n + 1, ChannelData {400.0 + n * 0.0125, 410.0 + n * 0.0125,
                                                        QStringLiteral("88.5"), QStringLiteral("D023N"), 1, 0, 1, 1, 1});
}

void report(const char *what, std::vector<double> runs, double minimum)
{
    std::sort(runs.begin(), runs.end());
    const double median = runs[runs.size() / 2];
    std::printf("%-6s %d channels: measured %.1f ms (median of %zu, best %.1f), minimum %.1f ms, ratio %.3f\n", what,
                Channels16, median, runs.size(), runs.front(), minimum, median / minimum);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir dir;
    TfMaindb db(dir.path());
    const TMacType *model = MacList->ModelAt(0);
    MakeModelCurrent(*ALL, model);
    AssignBandText(*ALL, model->DefaultBand);
    ClearChannelTable(*Channels, ALL->ChannelCount);
    fillChannels();
    SetMessageHandler([](const QString &, const QString &, int type) {
        return type == MsgYesNo ? int(ResultNo) : type == MsgRetryCancel ? int(ResultCancel) : int(ResultOk);
    });

    QProcess radio;
    const QString device = startRadio(radio, dir.filePath(QStringLiteral("radio.img")));
    if (device.isEmpty()) {
        std::fputs("radio_bench: the simulated radio did not start\n", stderr);
        return 1;
    }
    SetPortOverrides({{200, device}});
    ALL->PortName = QStringLiteral("COM200");

    std::vector<double> reads;
    std::vector<double> writes;
    for (int i = 0; i < rounds; ++i) {
        WriteTransfer write;
        const double w = timeTransfer(write, write.WriteDone);
        ReadTransfer read;
        const double r = timeTransfer(read, read.ReadDone);
        if (w < 0 || r < 0) {
            std::fputs("radio_bench: a transfer failed\n", stderr);
            return 1;
        }
        writes.push_back(w);
        reads.push_back(r);
    }
    report("read", reads, readMinimum());
    report("write", writes, writeMinimum());
    radio.terminate();
    radio.waitForFinished(3000);
    return 0;
}
