#pragma once

#include "codeplug/TEnMsg.h"
#include "codeplug/TFun.h"
#include "radio/TBWriteRead.h"
#include "RadioTestSupport.h"

#include <QMap>
#include <QString>
#include <QStringList>

// A codeplug as the tests place it in a radio or in memory, and what memory holds of one.
struct TestCodeplug
{
    QString modelCode = QStringLiteral("5917");
    QString bandText = QStringLiteral("400 - 420MHz");
    QMap<int, ChannelData> channels; // channel number -> channel
    TFun fun;
    TEnMsg message;

    static TestCodeplug Programmed();
    RadioMemory memory() const;
    // Puts it into the program's memory as the user would have edited it.
    void load() const;
};

// Everything a failed transfer must leave as it was.
struct MemorySnapshot
{
    static MemorySnapshot take();
    bool operator==(const MemorySnapshot &other) const = default;

    QStringList cells;
    QStringList staging;
    TFun fun;
    TEnMsg message;
    QString modelCode;
    QString modelName;
    QString bandText;
    int channelCount = 0;
    bool modified = false;
};

// Expected command frames of a whole read or write of a 16-channel model (first 4 bytes of
// each half-record frame).
QStringList ExpectedReadFrames();
QStringList ExpectedWriteHeaders();
// The frames with the data bytes of write half-records cut off after the first 4 bytes.
QStringList Headers(const QStringList &frames);
