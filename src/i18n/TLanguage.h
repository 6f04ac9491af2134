#pragma once

#include <QString>

// The message texts of the current language, with their built-in Chinese defaults.
class TLanguage
{
public:
    TLanguage() { ResetDefaults(); }
    void ResetDefaults();

    QString Confirmation;
    QString ExitProgram;
    QString SaveProgram;
    QString Channel;
    QString Info;
    QString OutRange;
    QString Caution;
    QString FChBigT;
    QString Close;
    QString Open;
    QString ComError;
    QString ModError;
    QString ClearData;
    QString Modforce;
    QString All;
    QString ErrRange;
    QString ModelType;
    QString Frequency;
    QString ReadOk;
    QString WriteOk;
    QString LPortError;
};
