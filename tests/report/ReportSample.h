#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

class ChannelTable;

// Readable failure output for texts.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

// The channel window's built-in column titles, as its title row shows them.
QStringList BuiltInChannelTitles();
void SetChannelTitles(ChannelTable &table, const QStringList &titles = BuiltInChannelTitles());

// Channel k of the sample codeplug: a distinct RX and TX, tones, and list values that vary
// from channel to channel, so every cell of the report can be told apart.
struct SampleChannel
{
    QString rx, tx, decode, encode;
    int power, width, scanAdd, beatShift, busyLockout;
};
SampleChannel SampleChannelOf(int k);
// Stores channel k (1-based) of the sample into the table.
void StoreSampleChannel(ChannelTable &table, int k);
