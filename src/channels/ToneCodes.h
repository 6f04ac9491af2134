#pragma once

#include <QString>
#include <QStringList>

// The tone vocabulary: CTCSS tones as hertz with one decimal ("88.5"), DCS codes as
// "D" + three octal digits + "N" or "I" ("D023N"), and the no-tone text for none.

// The 206 items of every tone box: "None", 39 CTCSS tones, 83 DCS codes normal, then inverted.
QStringList DropDownToneList();

// The tone picker's table texts: 42 CTCSS entries "code-tone-label" and three empty texts, then
// 85 DCS entries "number-Dcode" and three empty texts (133 in all).
QStringList PickerToneValues();

// Brings a typed tone text into its canonical form: a number becomes a CTCSS tone clamped to
// 30.0 .. 290.0 ("290.0" when it does not convert), a well-formed DCS code gets an upper-case
// polarity letter, anything else becomes "D777N". An empty text stays empty.
QString NormalizeToneText(const QString &text);
