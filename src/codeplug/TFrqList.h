#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The band table: band texts of the form "450 - 470MHz" and the one-byte code the radio
// stores for each. Both lookups fall back to the first entry.
class TFrqList
{
public:
    void AddBand(const QString &text, quint8 code);
    quint8 CodeOf(const QString &text) const;
    QString TextOf(int code) const;
    int count() const { return int(m_bands.size()); }
    QString textAt(int index) const { return m_bands.value(index).first; }
    quint8 codeAt(int index) const { return m_bands.value(index).second; }

private:
    QList<QPair<QString, quint8>> m_bands;
};

void RegisterBands(TFrqList &frqList);
