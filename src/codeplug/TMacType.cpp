#include "codeplug/TMacType.h"

TMacType::TMacType(const QString &code, qint32 channelCount, const QString &name)
    : Code(code), Name(name), ChannelCount(channelCount)
{
}

void TMacType::SetFreqLimits(double lowest, double highest)
{
    FreqLimitB = lowest;
    FreqLimitA = highest;
}

void TMacType::SetReservedBlocks(qint32 blocks)
{
    ReservedBlocks = blocks;
}

void TMacType::AddBand(const QString &bandText)
{
    Bands.append(bandText);
}

void TMacType::SetDefaultBand(const QString &bandText)
{
    DefaultBand = bandText;
}
