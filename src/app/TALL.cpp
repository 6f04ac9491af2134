#include "app/TALL.h"

#include "app/Utilities.h"
#include "codeplug/TMacList.h"

void MakeModelCurrent(TALL &all, const TMacType *model)
{
    if (!model)
        return;
    all.CurrentModel = model;
    all.ModelName = model->Name;
    all.ModelCode = model->Code;
    all.ModelFreqLimitA = model->FreqLimitA;
    all.ModelFreqLimitB = model->FreqLimitB;
    all.ChannelCount = model->ChannelCount;
}

void AssignBandText(TALL &all, const QString &bandText)
{
    all.BandText = bandText;
    ParseBandText(bandText, all.BandLow, all.BandHigh);
}
