#include "codeplug/TFrqList.h"

void TFrqList::AddBand(const QString &text, quint8 code)
{
    m_bands.append({text, code});
}

quint8 TFrqList::CodeOf(const QString &text) const
{
    for (const auto &b : m_bands)
        if (b.first == text)
            return b.second;
    return m_bands.isEmpty() ? 0 : m_bands.first().second;
}

QString TFrqList::TextOf(int code) const
{
    for (const auto &b : m_bands)
        if (b.second == code)
            return b.first;
    return m_bands.isEmpty() ? QString() : m_bands.first().first;
}

void RegisterBands(TFrqList &frqList)
{
    static const struct { const char *text; quint8 code; } bands[] = {
        {" 27 -  72MHz", 253}, {"136 - 150MHz", 241}, {"136 - 174MHz", 242}, {"150 - 174MHz", 240},
        {"216 - 223MHz", 243}, {"350 - 370MHz", 250}, {"350 - 390MHz", 251}, {"370 - 390MHz", 252},
        {"400 - 420MHz", 248}, {"400 - 480MHz", 247}, {"440 - 480MHz", 249}, {"450 - 470MHz", 244},
        {"450 - 490MHz", 245}, {"470 - 650MHz", 246},
    };
    for (const auto &b : bands)
        frqList.AddBand(QString::fromLatin1(b.text), b.code);
}
