#include "codeplug/TFun.h"

void TFun::ResetDefaults()
{
    BatterySave = 1;
    BeepTone = 1;
    SquelchLevel = 5;
    SideKey = 1;
    TxTimeout = 6;
    VoxEnabled = 0;
    VoxInhibitOnReceive = 0;
    VoxLevel = 4;
    VoiceLanguage = 1;
    ScanMode = 0;
    VoicePrompt = 1;
    HighVolInhibitTx = 1;
    LowVolInhibitTx = 1;
    Alarm = 0;
    FmRadio = 1;
}

void TFun::Normalize()
{
    for (qint32 *flag : {&BatterySave, &BeepTone, &VoxEnabled, &VoxInhibitOnReceive, &VoiceLanguage, &ScanMode,
                         &VoicePrompt, &HighVolInhibitTx, &LowVolInhibitTx, &Alarm, &FmRadio})
        *flag &= 1;
    if (SquelchLevel < 0 || SquelchLevel > 9)
        SquelchLevel = 5;
    if (SideKey < 0 || SideKey > 5)
        SideKey = 0;
    if (TxTimeout < 0 || TxTimeout > 10)
        TxTimeout = 6;
    if (VoxLevel < 0 || VoxLevel > 4)
        VoxLevel = 4;
}
