#pragma once

#include <QString>

class ChannelTable;
class TLanguage;
class TMemTable;

// Section numbers of the report body ("TypeID"): a section starts whenever it changes.
enum ReportSection { SectionChannels = 8, SectionFunSet = 9 };

// Creates the fields of the body table myAdo: TypeID, TypeName, AField, AValue, BField, BValue.
void DefineBodyFields(TMemTable &body);
// Creates the fields of the header table myMain: Title, AField … CValue.
void DefineHeaderFields(TMemTable &header);

// Removes every row, one at a time, until none is left.
void EmptyTable(TMemTable &table);

// What the page header takes from the main window: the captions of its model and band labels
// and the band it shows.
struct ReportHeaderTexts
{
    QString modelLabel; // caption of lMode, built-in "Model Type: "
    QString bandLabel;  // caption of Label4, built-in "Frequency: "
    QString bandText;   // text of stFreq, the current band
};

// The one header row of a print run.
void AppendHeaderRow(TMemTable &header, const QString &productTitle, const QString &modelName,
                     const ReportHeaderTexts &texts);

void AppendBodyRow(TMemTable &body, int typeId, const QString &typeName, const QString &aField,
                   const QString &aValue, const QString &bField = QString(), const QString &bValue = QString());

// The channel section: an empty line, then six lines per channel with a receive frequency,
// labelled with the titles of the table's title row.
void AppendChannelRows(TMemTable &body, const ChannelTable &table, const TLanguage &language);
