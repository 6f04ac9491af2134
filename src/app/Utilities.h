#pragma once

#include <QByteArray>
#include <QString>

// Frequencies and other numbers are always written and parsed with "." whatever the
// process locale says.
QString FormatNumber(double value, int decimals);
QString FormatFrequency(double mhz); // "0.00000"
// Parses a decimal number the way the program reads typed and stored numbers: blanks around
// it are allowed, "." is the only separator, no group separators.
bool ParseNumber(const QString &text, double &value);
bool ParseInteger(const QString &text, qint64 &value);

// Rounds a frequency down onto the channel raster: 5 kHz when its 100 Hz and 10 Hz digits
// are both zero, else 6.25 kHz. A frequency already on its raster comes back unrounded.
double SnapFrequency(double mhz);

// Splits "450 - 470MHz" into its two limits. Returns false (outputs untouched) when the text
// has no "-", no "MHz" or a limit that is not a number.
bool ParseBandText(const QString &bandText, double &low, double &high);

// Text of n characters, character k having the code of byte k (one to one, Latin-1).
QString BytesToText(const char *bytes, int count);
QString BinaryTextToDecimal(const QString &binary);
QString ReverseText(const QString &text);
QString IfThenText(bool condition, const QString &a, const QString &b);
