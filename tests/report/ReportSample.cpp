#include "ReportSample.h"

#include "app/Utilities.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"

QStringList BuiltInChannelTitles()
{
    return {QStringLiteral("Channel No."), QStringLiteral("RX Frequency"), QStringLiteral("TX Frequency"),
            QStringLiteral("QT/DQT Dec"),  QStringLiteral("QT/DQT Enc"),   QStringLiteral("TX Power"),
            QStringLiteral("W/N"),         QStringLiteral("Scan Add"),     QStringLiteral("Beat Shift"),
            QStringLiteral("Busy Lockout")};
}

void SetChannelTitles(ChannelTable &table, const QStringList &titles)
{
    for (int c = 0; c < titles.size(); ++c)
        table.setText(c + 1, HeaderRow, titles[c]);
}

SampleChannel SampleChannelOf(int k)
{
    const QStringList tones = {QString(), QStringLiteral("67.0"), QStringLiteral("D023N"), QStringLiteral("250.3"),
                               QStringLiteral("D754I")};
    SampleChannel s;
    s.rx = QStringLiteral("4%1.%2").arg(50 + k).arg(k * 125, 5, 10, QLatin1Char('0'));
    s.tx = QStringLiteral("4%1.%2").arg(60 + k).arg(k * 250, 5, 10, QLatin1Char('0'));
    s.decode = tones[k % tones.size()];
    s.encode = tones[(k + 2) % tones.size()];
    s.power = k % 2;
    s.width = (k / 2) % 2;
    s.scanAdd = (k / 3) % 2;
    s.beatShift = (k / 4) % 2;
    s.busyLockout = (k / 5) % 2;
    return s;
}

void StoreSampleChannel(ChannelTable &table, int k)
{
    const SampleChannel s = SampleChannelOf(k);
    ChannelData d;
    ParseNumber(s.rx, d.rx);
    ParseNumber(s.tx, d.tx);
    d.decodeTone = s.decode;
    d.encodeTone = s.encode;
    d.power = s.power;
    d.width = s.width;
    d.scanAdd = s.scanAdd;
    d.beatShift = s.beatShift;
    d.busyLockout = s.busyLockout;
    StoreChannelRow(table, k + 1, d);
}
