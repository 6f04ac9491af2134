#include "report/ReportTables.h"

#include "codeplug/ChannelTable.h"
#include "i18n/TLanguage.h"
#include "report/TMemTable.h"

void DefineBodyFields(TMemTable &body)
{
    body.AddField(QStringLiteral("TypeID"), TMemTable::Integer);
    body.AddField(QStringLiteral("TypeName"), TMemTable::Text, 20);
    body.AddField(QStringLiteral("AField"), TMemTable::Text, 100);
    body.AddField(QStringLiteral("AValue"), TMemTable::Text, 100);
    body.AddField(QStringLiteral("BField"), TMemTable::Text, 100);
    body.AddField(QStringLiteral("BValue"), TMemTable::Text, 100);
}

void DefineHeaderFields(TMemTable &header)
{
    header.AddField(QStringLiteral("Title"), TMemTable::Text, 20);
    header.AddField(QStringLiteral("AField"), TMemTable::Text, 100);
    header.AddField(QStringLiteral("AValue"), TMemTable::Text, 100);
    header.AddField(QStringLiteral("BField"), TMemTable::Text, 100);
    header.AddField(QStringLiteral("BValue"), TMemTable::Text, 100);
    header.AddField(QStringLiteral("CField"), TMemTable::Text, 30);
    header.AddField(QStringLiteral("CValue"), TMemTable::Text, 30);
}

void EmptyTable(TMemTable &table)
{
    while (table.RowCount() > 0)
        table.Delete(table.RowCount() - 1);
}

void AppendHeaderRow(TMemTable &header, const QString &productTitle, const QString &modelName,
                     const ReportHeaderTexts &texts)
{
    header.Append({
        {QStringLiteral("Title"), productTitle},
        {QStringLiteral("AField"), texts.modelLabel},
        {QStringLiteral("AValue"), modelName},
        {QStringLiteral("BField"), QString()},
        {QStringLiteral("BValue"), QString()},
        {QStringLiteral("CField"), texts.bandLabel},
        {QStringLiteral("CValue"), texts.bandText},
    });
}

void AppendBodyRow(TMemTable &body, int typeId, const QString &typeName, const QString &aField,
                   const QString &aValue, const QString &bField, const QString &bValue)
{
    body.Append({
        {QStringLiteral("TypeID"), typeId},
        {QStringLiteral("TypeName"), typeName},
        {QStringLiteral("AField"), aField},
        {QStringLiteral("AValue"), aValue},
        {QStringLiteral("BField"), bField},
        {QStringLiteral("BValue"), bValue},
    });
}

void AppendChannelRows(TMemTable &body, const ChannelTable &table, const TLanguage &language)
{
    const QString section = language.Channel + language.Info;
    const auto title = [&](int col) { return table.text(col, HeaderRow); };
    AppendBodyRow(body, SectionChannels, section, QString(), QString());
    for (int row = FirstChannelRow; row < table.rowCount(); ++row) {
        if (!table.rowInUse(row))
            continue;
        const auto cell = [&](int col) { return table.text(col, row); };
        AppendBodyRow(body, SectionChannels, section, title(ColNumber) + cell(ColNumber), QString());
        AppendBodyRow(body, SectionChannels, section, title(ColRx), cell(ColRx), title(ColTx), cell(ColTx));
        AppendBodyRow(body, SectionChannels, section, title(ColDecode), cell(ColDecode), title(ColEncode),
                      cell(ColEncode));
        AppendBodyRow(body, SectionChannels, section, title(ColPower), cell(ColPower), title(ColWidth),
                      cell(ColWidth));
        AppendBodyRow(body, SectionChannels, section, title(ColScanAdd), cell(ColScanAdd), title(ColBeatShift),
                      cell(ColBeatShift));
        AppendBodyRow(body, SectionChannels, section, title(ColBusyLockout), cell(ColBusyLockout));
    }
}
