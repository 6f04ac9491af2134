#include "radio/TBWriteRead.h"

#include "app/Utilities.h"
#include "codeplug/TFun.h"

#include <cmath>

namespace {

QString hexByte(quint8 b)
{
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

const QString kHexLetters = QStringLiteral("ABCDEF");

// A number as at least `width` decimal digits, or empty when it does not fit or is negative.
QString fixedDigits(double value, int width)
{
    if (!std::isfinite(value))
        return {};
    const double r = std::round(value);
    if (r < 0 || r >= std::pow(10.0, width))
        return {};
    return QString::number(qint64(r)).rightJustified(width, QLatin1Char('0'));
}

} // namespace

void TBWriteRead::FillBlock(Record &buffer, int highest)
{
    for (int i = 0; i <= highest && i < int(buffer.size()); ++i)
        buffer[size_t(i)] = 0xFF;
}

qint64 TBWriteRead::HexToInt(const QString &hex, bool *ok)
{
    bool good = false;
    const qint64 v = hex.trimmed().toLongLong(&good, 16);
    if (ok)
        *ok = good;
    return good ? v : 0;
}

quint8 TBWriteRead::HexPairToByte(const QString &pair, bool *ok)
{
    bool good = pair.size() == 2;
    qint64 v = good ? HexToInt(pair, &good) : 0;
    if (ok)
        *ok = good;
    return good ? quint8(v) : 0;
}

bool TBWriteRead::HasHexLetter(const QString &letters, const QString &text)
{
    for (const QChar c : letters)
        if (text.contains(c))
            return true;
    return false;
}

bool TBWriteRead::EncodeFrequency(double mhz, quint8 *bytes)
{
    const QString d = fixedDigits(mhz * 100000.0, 8);
    if (d.isEmpty())
        return false;
    bool ok = true;
    bool good = false;
    bytes[0] = HexPairToByte(d.mid(6, 2), &good);
    ok &= good;
    bytes[1] = HexPairToByte(d.mid(4, 2), &good);
    ok &= good;
    bytes[2] = HexPairToByte(d.mid(2, 2), &good);
    ok &= good;
    bytes[3] = HexPairToByte(d.mid(0, 2), &good);
    ok &= good;
    return ok;
}

bool TBWriteRead::DecodeFrequency(const quint8 *bytes, double &mhz)
{
    const QString t = hexByte(bytes[3]) + hexByte(bytes[2]) + hexByte(bytes[1]) + hexByte(bytes[0]);
    if (HasHexLetter(kHexLetters, t))
        return false;
    bool ok = false;
    const qint64 n = t.toLongLong(&ok, 10);
    if (!ok)
        return false;
    mhz = double(n) / 100000.0;
    return true;
}

bool TBWriteRead::EncodeTone(const QString &tone, quint8 &low, quint8 &high)
{
    low = 0xFF;
    high = 0xFF;
    if (tone.isEmpty())
        return true;
    if (tone.at(0) == QLatin1Char('D')) {
        if (tone.size() != 5)
            return false;
        QChar s = tone.at(4);
        if (s == QLatin1Char('N'))
            s = QLatin1Char('8');
        else if (s == QLatin1Char('I'))
            s = QLatin1Char('C');
        else
            return false;
        bool okLow = false;
        bool okHigh = false;
        const quint8 l = HexPairToByte(tone.mid(2, 2), &okLow);
        const quint8 h = HexPairToByte(QString(s) + tone.at(1), &okHigh);
        if (!okLow || !okHigh)
            return false;
        low = l;
        high = h;
        return true;
    }
    double hz = 0.0;
    if (!ParseNumber(tone, hz))
        return false;
    const QString c = fixedDigits(hz * 10.0, 4);
    if (c.isEmpty())
        return false;
    low = HexPairToByte(c.mid(2, 2));
    high = HexPairToByte(c.mid(0, 2));
    return true;
}

QString TBWriteRead::DecodeTone(quint8 low, quint8 high)
{
    if (low == 0xFF && high == 0xFF)
        return {};
    const QString h = hexByte(high) + hexByte(low);
    if (h.startsWith(QLatin1Char('8')))
        return QLatin1Char('D') + h.mid(1, 3) + QLatin1Char('N');
    if (h.startsWith(QLatin1Char('C')))
        return QLatin1Char('D') + h.mid(1, 3) + QLatin1Char('I');
    if (HasHexLetter(kHexLetters, h))
        return {};
    return FormatNumber(h.toInt() / 10.0, 1);
}

bool TBWriteRead::EncodeChannel(Record &buffer, const ChannelData &channel)
{
    FillBlock(buffer);
    if (!EncodeFrequency(channel.rx, &buffer[0]))
        return false;
    if (channel.tx > -1.0 && !EncodeFrequency(channel.tx, &buffer[4]))
        return false;
    if (!EncodeTone(channel.decodeTone, buffer[8], buffer[9]))
        return false;
    if (!EncodeTone(channel.encodeTone, buffer[10], buffer[11]))
        return false;
    buffer[12] = quint8((channel.scanAdd << 4) | (channel.power << 3) | (channel.width << 2) | (channel.beatShift << 1)
                        | channel.busyLockout);
    return true;
}

bool TBWriteRead::DecodeChannel(const Record &buffer, ChannelData &channel)
{
    ChannelData c;
    if (!DecodeFrequency(&buffer[0], c.rx))
        return false;
    if (!DecodeFrequency(&buffer[4], c.tx))
        c.tx = -1.0;
    c.decodeTone = DecodeTone(buffer[8], buffer[9]);
    c.encodeTone = DecodeTone(buffer[10], buffer[11]);
    const quint8 flags = buffer[12];
    c.busyLockout = flags & 1;
    c.beatShift = (flags >> 1) & 1;
    c.width = (flags >> 2) & 1;
    c.power = (flags >> 3) & 1;
    c.scanAdd = (flags >> 4) & 1;
    channel = c;
    return true;
}

bool TBWriteRead::EncodeText(Record &buffer, const QString &text)
{
    FillBlock(buffer);
    for (int i = 0; i < text.size() && i < 16; ++i) {
        const char16_t u = text.at(i).unicode();
        buffer[size_t(i)] = u <= 0xFF ? quint8(u) : quint8('?');
    }
    return true;
}

QString TBWriteRead::DecodeText(const Record &buffer)
{
    QString t;
    for (quint8 b : buffer)
        if (b != 0xFF)
            t.append(QChar(char16_t(b)));
    return t;
}

bool TBWriteRead::EncodeSettingsA(Record &buffer, const TFun &fun)
{
    FillBlock(buffer);
    buffer[0] = quint8((fun.BatterySave * 2) | fun.BeepTone);
    buffer[1] = quint8(fun.SquelchLevel);
    buffer[2] = quint8(fun.SideKey);
    buffer[3] = quint8(fun.TxTimeout);
    return true;
}

void TBWriteRead::DecodeSettingsA(const Record &buffer, TFun &fun)
{
    fun.BatterySave = (buffer[0] >> 1) & 1;
    fun.BeepTone = buffer[0] & 1;
    fun.SquelchLevel = buffer[1];
    fun.SideKey = buffer[2];
    fun.TxTimeout = buffer[3];
}

bool TBWriteRead::EncodeSettingsB(Record &buffer, const TFun &fun)
{
    FillBlock(buffer);
    const qint32 fields[] = {fun.VoicePrompt, fun.VoiceLanguage, fun.ScanMode, fun.VoxEnabled, fun.VoxLevel,
                             fun.VoxInhibitOnReceive, fun.LowVolInhibitTx, fun.HighVolInhibitTx, fun.Alarm, fun.FmRadio};
    for (size_t i = 0; i < 10; ++i)
        buffer[i] = quint8(fields[i]);
    return true;
}

void TBWriteRead::DecodeSettingsB(const Record &buffer, TFun &fun)
{
    qint32 *fields[] = {&fun.VoicePrompt, &fun.VoiceLanguage, &fun.ScanMode, &fun.VoxEnabled, &fun.VoxLevel,
                        &fun.VoxInhibitOnReceive, &fun.LowVolInhibitTx, &fun.HighVolInhibitTx, &fun.Alarm, &fun.FmRadio};
    for (size_t i = 0; i < 10; ++i)
        *fields[i] = buffer[i];
}

bool TBWriteRead::EncodeIdentity(Record &buffer, const QString &modelCode, quint8 bandCode)
{
    FillBlock(buffer);
    const QString code = (modelCode + QStringLiteral("    ")).left(4);
    auto byteOf = [](QChar c) { return c.unicode() <= 0xFF ? quint8(c.unicode()) : quint8('?'); };
    buffer[7] = 'P';
    buffer[6] = byteOf(code.at(0));
    buffer[5] = byteOf(code.at(1));
    buffer[4] = byteOf(code.at(2));
    buffer[3] = byteOf(code.at(3));
    buffer[2] = bandCode;
    buffer[1] = 0x00;
    buffer[0] = 0x00;
    return true;
}

quint8 TBWriteRead::DecodeIdentity(const Record &buffer, QString &modelCode)
{
    QString code;
    for (int i : {6, 5, 4, 3})
        code.append(QChar(char16_t(buffer[size_t(i)])));
    // Trim blanks and control characters at both ends.
    int b = 0;
    int e = code.size();
    while (b < e && code.at(b).unicode() <= 0x20)
        ++b;
    while (e > b && code.at(e - 1).unicode() <= 0x20)
        --e;
    modelCode = code.mid(b, e - b);
    return buffer[2];
}

bool TBWriteRead::EncodeChannelMap(Record &buffer, const QString &bits)
{
    buffer.fill(0x00);
    for (int j = 0; j < 16 && j * 8 < bits.size(); ++j)
        buffer[size_t(j)] = quint8(BinaryTextToDecimal(ReverseText(bits.mid(j * 8, 8))).toULongLong());
    return true;
}

bool TBWriteRead::EncodeHeader(Record &buffer, const QString &dateText, const QString &bandDigits,
                               const QString &modelText)
{
    FillBlock(buffer);
    const QString model = (modelText + QString(8, QLatin1Char(' '))).left(5);
    for (int i = 0; i < 5; ++i) {
        const char16_t u = model.at(i).unicode();
        buffer[size_t(i)] = u <= 0xFF ? quint8(u) : quint8('?');
    }
    if (bandDigits.size() != 6)
        return false;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const qint64 v = HexToInt(bandDigits.mid(i * 2, 2), &ok);
        if (!ok)
            return false;
        buffer[size_t(5 + i)] = quint8(v);
    }
    bool ok = false;
    const int year = dateText.left(4).toInt(&ok);
    if (!ok || year < 0 || year > 0xFFFF)
        return false;
    const QString h = QStringLiteral("%1").arg(year, 4, 16, QLatin1Char('0'));
    buffer[8] = HexPairToByte(h.mid(2, 2));
    buffer[9] = HexPairToByte(h.mid(0, 2));
    const int positions[] = {5, 8, 11, 14};
    for (int i = 0; i < 4; ++i) {
        const int v = dateText.mid(positions[i], 2).toInt(&ok);
        if (!ok)
            return false;
        buffer[size_t(10 + i)] = quint8(v);
    }
    return true;
}

void TBWriteRead::DecodeHeader(const Record &buffer, QString &dateText, QString &bandDigits, QString &modelText)
{
    modelText.clear();
    for (int i = 0; i < 5; ++i)
        modelText.append(QChar(char16_t(buffer[size_t(i)])));
    bandDigits = hexByte(buffer[5]) + hexByte(buffer[6]) + hexByte(buffer[7]);
    const qint64 year = HexToInt(hexByte(buffer[9]) + hexByte(buffer[8]));
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    dateText = QString::number(year) + QLatin1Char('-') + two(buffer[10]) + QLatin1Char('-') + two(buffer[11])
               + QLatin1Char(' ') + two(buffer[12]) + QLatin1Char(':') + two(buffer[13]);
}
