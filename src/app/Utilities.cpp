#include "app/Utilities.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

QLocale numberLocale()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

} // namespace

QString FormatNumber(double value, int decimals)
{
    // Round half away from zero on the decimal digits, as the stored texts always were.
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0; // no "-0.00000"
    return numberLocale().toString(rounded, 'f', decimals);
}

QString FormatFrequency(double mhz)
{
    return FormatNumber(mhz, 5);
}

bool ParseNumber(const QString &text, double &value)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    const double v = numberLocale().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

bool ParseInteger(const QString &text, qint64 &value)
{
    const QString t = text.trimmed();
    bool ok = false;
    const qint64 v = numberLocale().toLongLong(t, &ok);
    if (!ok)
        return false;
    value = v;
    return true;
}

double SnapFrequency(double mhz)
{
    const qint64 n = std::llround(mhz * 100000.0);
    const QString digits = QString::number(n).rightJustified(8, QLatin1Char('0'));
    const qint64 step = digits.mid(6, 2) == QLatin1String("00") ? 500 : 625;
    const qint64 r = n % step;
    if (r == 0)
        return mhz;
    return double(n - r) / 100000.0;
}

bool ParseBandText(const QString &bandText, double &low, double &high)
{
    const int dash = bandText.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return false;
    const QString rest = bandText.mid(dash + 1);
    const int unit = rest.indexOf(QLatin1String("MHz"));
    if (unit < 0)
        return false;
    double lo = 0.0;
    double hi = 0.0;
    if (!ParseNumber(bandText.left(dash), lo) || !ParseNumber(rest.left(unit), hi))
        return false;
    low = lo;
    high = hi;
    return true;
}

QString BytesToText(const char *bytes, int count)
{
    return QString::fromLatin1(bytes, std::max(count, 0));
}

QString BinaryTextToDecimal(const QString &binary)
{
    quint64 value = 0;
    for (const QChar c : binary.toUpper())
        value = value * 2 + quint64(qint64(c.unicode()) - '0');
    return QString::number(value);
}

QString ReverseText(const QString &text)
{
    QString r = text;
    std::reverse(r.begin(), r.end());
    return r;
}

QString IfThenText(bool condition, const QString &a, const QString &b)
{
    return condition ? a : b;
}
