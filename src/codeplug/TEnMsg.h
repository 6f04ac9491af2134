#pragma once

#include <QString>

// The embedded message: two lines of up to 32 characters.
class TEnMsg
{
public:
    TEnMsg() { ResetDefaults(); }
    void ResetDefaults()
    {
        Line1.clear();
        Line2.clear();
    }
    bool operator==(const TEnMsg &other) const = default;

    QString Line1;
    QString Line2;
};
