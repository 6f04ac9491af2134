#pragma once

#include <QString>

class TMacType;

// The application state every window reads: current model and band with their limits, port,
// language, executable directory and the unsaved-changes flag. Plain record; the fields keep
// the order and names the rest of the program knows them by.
class TALL
{
public:
    QString LanguageName;
    qint32 LanguageIndex = 0;
    QString PortName;
    QString AppDir;
    QString ProductTitle;
    qint32 ChannelCount = 0;
    QString ModelName;
    QString BandText;
    double ModelFreqLimitA = 0.0;
    double ModelFreqLimitB = 0.0;
    double BandHigh = 0.0;
    double BandLow = 0.0;
    QString ModelCode;
    QString ChannelUsedBits;
    QString ScanBits;
    qint32 PictureIndex = 0;
    bool Modified = false;
    bool Relabeling = false;
    QString HelpPrefix;
    const TMacType *CurrentModel = nullptr;
};

// Copies a catalogue model into the state, in the fixed order the windows rely on.
void MakeModelCurrent(TALL &all, const TMacType *model);

// Sets the band text and re-parses its two limits from it.
void AssignBandText(TALL &all, const QString &bandText);
