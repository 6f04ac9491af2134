#pragma once

#include "codeplug/TEnMsg.h"
#include "codeplug/TFun.h"
#include "radio/TBWriteRead.h"

#include <QString>
#include <QVector>

#include <optional>

class ChannelTable;
class TMacType;

// A whole codeplug decoded from a file or a radio, held apart from the one in memory until it
// has been read completely and can be applied in one go.
struct CodeplugImage
{
    const TMacType *model = nullptr;
    QString modelCode;
    QString bandText;
    QString savedAt; // header date of a data file, "yyyy-MM-dd HH:mm"
    QVector<std::optional<ChannelData>> channels; // channel k at index k - 1; empty: not in use
    TFun fun;
    TEnMsg message;
};

// Function settings to their defaults and an empty message; the test frequencies stay.
void ResetSettings(TFun &fun, TEnMsg &message);

// Empties every channel row, or rebuilds the rows when their number is not channelCount.
void ClearChannelTable(ChannelTable &table, int channelCount);
// Gives the staging table channelCount + 2 empty rows.
void ResetStagingGrid(ChannelTable &staging, int channelCount);
// Copies the staging table of a completed read into the channel table.
void LoadStagedChannels(ChannelTable &table, const ChannelTable &staging, int channelCount);

// Fills the row of a channel in use from decoded data: in-use mark, editable TX cell, the
// frequency texts, tones (the no-tone text for none) and the list columns' values and items.
void StoreChannelRow(ChannelTable &table, int row, const ChannelData &channel);
// Fills a staging row the way a read leaves it: texts for the frequencies and tones (empty for
// none) and value texts for the list columns.
void StageChannelRow(ChannelTable &staging, int row, const ChannelData &channel);

enum class RowState { NotInUse, InUse, Invalid };
// Reads a channel row for encoding. Invalid means a frequency or value text that is not a
// number; `problem` then says which.
RowState ReadChannelRow(const ChannelTable &table, int row, ChannelData &channel, QString *problem = nullptr);
