#include "codeplug/TTestFre.h"

void TTestFre::ResetDefaults()
{
    for (auto &f : RxFreq)
        f.clear();
    for (auto &f : TxFreq)
        f.clear();
    static const char *defaults[][2] = {
        {"460.05000", "460.10000"}, {"440.05000", "440.10000"}, {"479.95000", "479.90000"},
        {"460.00000", "460.00000"}, {"460.20000", "460.20000"}, {"460.40000", "460.40000"},
    };
    for (int i = 0; i < 6; ++i) {
        RxFreq[size_t(i + 1)] = QString::fromLatin1(defaults[i][0]);
        TxFreq[size_t(i + 1)] = QString::fromLatin1(defaults[i][1]);
    }
}
