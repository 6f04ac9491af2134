#pragma once

#include <QString>

#include <array>

// Sixteen receive/transmit test frequency pairs, kept in memory for the run only.
class TTestFre
{
public:
    TTestFre() { ResetDefaults(); }
    void ResetDefaults();

    // Entries 1 to 16; index 0 is unused so that entry n is RxFreq[n].
    std::array<QString, 17> RxFreq;
    std::array<QString, 17> TxFreq;
};
