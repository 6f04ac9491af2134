#include "RadioCodeplug.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/TFrqList.h"

namespace {
QString header(char command, int address)
{
    return QStringLiteral("%1 %2 %3 08")
        .arg(int(quint8(command)), 2, 16, QLatin1Char('0'))
        .arg((address >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(address & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QList<int> recordOrder()
{
    QList<int> order {0x0000};
    for (int n = 1; n <= 16; ++n)
        order << 0x10 * n;
    order << 0x0380 << 0x0390 << 0x03A0 << 0x03B0 << 0x03C0 << 0x03D0 << 0x02B0;
    return order;
}

const QStringList handshake = {QStringLiteral("02 50 52 4F 47 52 41 4D"), QStringLiteral("02"), QStringLiteral("06")};
} // namespace

TestCodeplug TestCodeplug::Programmed()
{
    TestCodeplug c;
    c.channels[1] = ChannelData {462.5625, -1.0, QStringLiteral("88.5"), QString(), 1, 0, 0, 1, 1};
    c.channels[2] = ChannelData {440.00625, 445.0, QStringLiteral("D023N"), QStringLiteral("D754I"), 0, 1, 1, 0, 0};
    c.channels[16] = ChannelData {470.0, 470.0, QStringLiteral("250.3"), QStringLiteral("67.0"), 1, 1, 1, 1, 1};
    TFun &f = c.fun;
    f.BatterySave = 0;
    f.BeepTone = 1;
    f.SquelchLevel = 3;
    f.SideKey = 2;
    f.TxTimeout = 4;
    f.VoicePrompt = 0;
    f.VoiceLanguage = 0;
    f.ScanMode = 1;
    f.VoxEnabled = 1;
    f.VoxLevel = 2;
    f.VoxInhibitOnReceive = 1;
    f.LowVolInhibitTx = 0;
    f.HighVolInhibitTx = 0;
    f.Alarm = 1;
    f.FmRadio = 0;
    c.message.Line1 = QStringLiteral("HELLO WORLD 0123456789ABCDEFGHIJ");
    c.message.Line2 = QStringLiteral("SECOND LINE 12345678");
    return c;
}

RadioMemory TestCodeplug::memory() const
{
    RadioMemory m;
    Record r {};
    for (auto it = channels.cbegin(); it != channels.cend(); ++it) {
        TBWriteRead::EncodeChannel(r, it.value());
        m.put(0x10 * it.key(), r);
    }
    const QString parts[4] = {message.Line1.left(16), message.Line1.mid(16), message.Line2.left(16), message.Line2.mid(16)};
    for (int i = 0; i < 4; ++i) {
        TBWriteRead::EncodeText(r, parts[i]);
        m.put(0x0380 + 0x10 * i, r);
    }
    TBWriteRead::EncodeSettingsA(r, fun);
    m.put(0x03C0, r);
    TBWriteRead::EncodeIdentity(r, modelCode, FrqList->CodeOf(bandText));
    m.put(0x03D0, r);
    TBWriteRead::EncodeSettingsB(r, fun);
    m.put(0x02B0, r);
    return m;
}

void TestCodeplug::load() const
{
    AssignBandText(*ALL, bandText);
    ClearChannelTable(*Channels, ALL->ChannelCount);
    for (auto it = channels.cbegin(); it != channels.cend(); ++it)
        StoreChannelRow(*Channels, it.key() + 1, it.value());
    *Fun = fun;
    *EnMsg = message;
}

MemorySnapshot MemorySnapshot::take()
{
    MemorySnapshot s;
    for (const ChannelTable *t : {Channels, Staging}) {
        QStringList &cells = t == Channels ? s.cells : s.staging;
        for (int r = 0; r < t->rowCount(); ++r)
            for (int c = 0; c < t->colCount(); ++c)
                cells << t->text(c, r) + QLatin1Char('|') + t->value(c, r);
    }
    s.fun = *Fun;
    s.message = *EnMsg;
    s.modelCode = ALL->ModelCode;
    s.modelName = ALL->ModelName;
    s.bandText = ALL->BandText;
    s.channelCount = ALL->ChannelCount;
    s.modified = ALL->Modified;
    return s;
}

QStringList ExpectedReadFrames()
{
    QStringList frames = handshake;
    for (int address : recordOrder())
        frames << header('R', address) << QStringLiteral("06") << header('R', address + 8) << QStringLiteral("06");
    frames << QStringLiteral("45");
    return frames;
}

QStringList ExpectedWriteHeaders()
{
    QStringList frames = handshake;
    for (int address : recordOrder()) {
        const char command = address == 0x02B0 ? 'Y' : 'W';
        frames << header(command, address) << header(command, address + 8);
    }
    frames << QStringLiteral("45");
    return frames;
}

QStringList Headers(const QStringList &frames)
{
    QStringList out;
    for (const QString &f : frames)
        out << (f.size() > 11 && (f.startsWith(QLatin1String("57")) || f.startsWith(QLatin1String("59"))) ? f.left(11) : f);
    return out;
}
