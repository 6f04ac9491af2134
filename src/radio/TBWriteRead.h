#pragma once

#include <QString>

#include <array>

class TFun;

using Record = std::array<quint8, 16>;

// One channel as the radio record carries it.
struct ChannelData
{
    double rx = 0.0;
    double tx = -1.0; // -1.0: no transmit frequency
    QString decodeTone; // empty: no tone
    QString encodeTone;
    int power = 0;
    int width = 0;
    int scanAdd = 0;
    int beatShift = 0;
    int busyLockout = 0;

    bool operator==(const ChannelData &other) const = default;
};

// Turns the codeplug into the radio's 16-byte records and back. Holds no state; encoders
// refuse (return false) only where a text cannot be turned into the record's digits.
class TBWriteRead
{
public:
    static void FillBlock(Record &buffer, int highest = 15);
    static qint64 HexToInt(const QString &hex, bool *ok = nullptr);
    static quint8 HexPairToByte(const QString &pair, bool *ok = nullptr);
    static bool HasHexLetter(const QString &letters, const QString &text);

    static bool EncodeChannel(Record &buffer, const ChannelData &channel);
    static bool DecodeChannel(const Record &buffer, ChannelData &channel);

    static bool EncodeText(Record &buffer, const QString &text);
    static QString DecodeText(const Record &buffer);

    static bool EncodeSettingsA(Record &buffer, const TFun &fun);
    static void DecodeSettingsA(const Record &buffer, TFun &fun);
    static bool EncodeSettingsB(Record &buffer, const TFun &fun);
    static void DecodeSettingsB(const Record &buffer, TFun &fun);

    static bool EncodeIdentity(Record &buffer, const QString &modelCode, quint8 bandCode);
    // Returns the band code; the model code read backwards from the record goes to modelCode.
    static quint8 DecodeIdentity(const Record &buffer, QString &modelCode);

    static bool EncodeChannelMap(Record &buffer, const QString &bits);

    // dateText "yyyy-MM-dd HH:mm", bandDigits six decimal digits, modelText "P" + code.
    static bool EncodeHeader(Record &buffer, const QString &dateText, const QString &bandDigits,
                             const QString &modelText);
    static void DecodeHeader(const Record &buffer, QString &dateText, QString &bandDigits, QString &modelText);

    // Tone text to its two bytes (low, high) and back. Empty text: no tone, FF FF.
    static bool EncodeTone(const QString &tone, quint8 &low, quint8 &high);
    static QString DecodeTone(quint8 low, quint8 high);

    // Eight BCD digits of a frequency in units of 10 Hz, least significant pair first.
    static bool EncodeFrequency(double mhz, quint8 *bytes);
    static bool DecodeFrequency(const quint8 *bytes, double &mhz);
};
