#pragma once

#include <QByteArray>
#include <QString>

// The legacy 8-bit Chinese code page (GBK) that older tools wrote the configuration and language
// files in. Conversion goes through the operating system: iconv on Unix, the code page API on
// Windows.
class CodePage
{
public:
    // Decodes GBK bytes. Returns false, leaving text empty, when the bytes are not valid GBK.
    static bool toUnicode(const QByteArray &bytes, QString &text);
    // Encodes into GBK. Returns false, leaving bytes empty, when a character has no GBK form.
    static bool fromUnicode(const QString &text, QByteArray &bytes);
};
