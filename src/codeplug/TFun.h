#pragma once

#include <QtGlobal>

// The radio-wide function settings. Only the low byte of each field travels to the radio.
class TFun
{
public:
    TFun() { ResetDefaults(); }

    void ResetDefaults();
    // Forces every field into its range; used on settings that came from a radio.
    void Normalize();

    bool operator==(const TFun &other) const = default;

    qint32 BatterySave = 0;
    qint32 BeepTone = 0;
    qint32 SquelchLevel = 0;
    qint32 SideKey = 0;
    qint32 TxTimeout = 0;
    qint32 VoxEnabled = 0;
    qint32 VoxInhibitOnReceive = 0;
    qint32 VoxLevel = 0;
    qint32 VoiceLanguage = 0;
    qint32 ScanMode = 0;
    qint32 VoicePrompt = 0;
    qint32 HighVolInhibitTx = 0;
    qint32 LowVolInhibitTx = 0;
    qint32 Alarm = 0;
    qint32 FmRadio = 0;
};
