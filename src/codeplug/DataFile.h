#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "codeplug/Codeplug.h"

class TMacType;

// Data files (*.dat): a header record, then the radio's own 16-byte records in the layout of
// the model current when the file was written. 62 records (992 bytes) for both models.

// Number of records a data file of this model holds.
int DataFileRecordCount(const TMacType &model);

// Builds the bytes of the current codeplug as a data file; false (with a reason) when a
// channel cannot be encoded. Rebuilds ALL->ChannelUsedBits and ALL->ScanBits.
bool EncodeDataFile(QByteArray &bytes, const QDateTime &when, QString *problem);

// Saves the current codeplug. The file is replaced only once it is completely written; on any
// failure the old file stays, the user is told why and Modified stays set.
bool WriteDataFile(const QString &path, const QDateTime &when = QDateTime::currentDateTime());

enum class ReadDataFileResult {
    Ok,
    Refused,      // the file is not a data file this program can use: memory unchanged
    CannotOpen,   // the file could not be read: memory unchanged
};

// Decodes a complete data file into an image; false with a message text when it is refused.
bool DecodeDataFile(const QByteArray &bytes, const QString &path, CodeplugImage &image, QString &refusal,
                    bool &unknownModel);

// Opens a data file and, only when all of it has been read and checked, replaces the current
// model, band, channel table, function settings and message with it. Every refusal is shown
// to the user; the caller forgets its file name when the result is not Ok.
ReadDataFileResult ReadDataFile(const QString &path);

// Puts a decoded image into memory, in the order the windows expect (model, channel table,
// settings, message, model code and band). Modified becomes false.
void ApplyDataFileImage(const CodeplugImage &image);
