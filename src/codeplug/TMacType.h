#pragma once

#include <QString>
#include <QStringList>

// One radio model of the catalogue.
class TMacType
{
public:
    TMacType(const QString &code, qint32 channelCount, const QString &name);

    void SetFreqLimits(double lowest, double highest);
    void SetReservedBlocks(qint32 blocks);
    void AddBand(const QString &bandText);
    void SetDefaultBand(const QString &bandText);

    QString Code;
    QString Name;
    qint32 ChannelCount = 0;
    double FreqLimitA = 0.0; // highest frequency, MHz
    double FreqLimitB = 0.0; // lowest frequency, MHz
    QStringList Bands;
    qint32 ReservedBlocks = 0;
    QString DefaultBand;
};
