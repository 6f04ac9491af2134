#include "codeplug/Codeplug.h"

#include "app/Utilities.h"
#include "codeplug/ChannelTable.h"

namespace {

Qt::Alignment alignmentOfKind(int kind, bool &known)
{
    known = true;
    switch (kind) {
    case 1:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case 2:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case 3:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        known = false;
        return {};
    }
}

void setListCell(ChannelTable &table, int col, int row, int index)
{
    table.setValue(col, row, QString::number(index));
    table.setText(col, row, table.itemText(col, index));
}

} // namespace

void ResetSettings(TFun &fun, TEnMsg &message)
{
    fun.ResetDefaults();
    message.ResetDefaults();
}

void ClearChannelTable(ChannelTable &table, int channelCount)
{
    table.beginUpdate();
    const int last = table.colCount() - 1;
    if (table.rowCount() == channelCount + 2) {
        for (int r = FirstChannelRow; r < table.rowCount(); ++r) {
            table.setValue(ColNumber, r, QString());
            for (int c = ColRx; c <= last; ++c) {
                table.setText(c, r, QString());
                table.setValue(c, r, QString());
            }
        }
        for (int r = 0; r < table.rowCount(); ++r)
            table.setReadOnly(ColTx, r, true);
    } else {
        table.setRowCount(2);
        table.setRowCount(channelCount + 2);
        table.setFixedRows(1);
        for (int r = FirstChannelRow; r < table.rowCount(); ++r) {
            table.setText(ColNumber, r, QString::number(r - 1));
            table.setValue(ColNumber, r, QString());
            for (int c = ColRx; c <= last; ++c) {
                table.setText(c, r, QString());
                table.setValue(c, r, QString());
            }
        }
        for (int r = 0; r < table.rowCount(); ++r)
            table.setShade(ColNumber, r, CellShade::ButtonFace);
        for (int c = 0; c <= last; ++c)
            table.setShade(c, HeaderRow, CellShade::ButtonFace);
        for (int r = 0; r < table.rowCount(); ++r)
            for (int c = 0; c <= last; ++c)
                table.setReadOnly(c, r, true);
        for (int r = FirstChannelRow; r < table.rowCount(); ++r)
            table.setReadOnly(ColRx, r, false);
        for (int c = 1; c <= last; ++c) {
            bool known = false;
            const Qt::Alignment a = alignmentOfKind(table.columnKind(c), known);
            if (!known)
                continue;
            for (int r = 0; r < table.rowCount(); ++r)
                table.setAlignment(c, r, a);
        }
        for (int c = 0; c <= last; ++c)
            table.setAlignment(c, HeaderRow, Qt::AlignHCenter | Qt::AlignVCenter);
    }
    table.endUpdate();
}

void ResetStagingGrid(ChannelTable &staging, int channelCount)
{
    staging.beginUpdate();
    staging.setRowCount(2);
    staging.setRowCount(channelCount + 2);
    staging.endUpdate();
}

void LoadStagedChannels(ChannelTable &table, const ChannelTable &staging, int channelCount)
{
    ClearChannelTable(table, channelCount);
    table.beginUpdate();
    for (int r = FirstChannelRow; r < table.rowCount() && r < staging.rowCount(); ++r) {
        if (staging.text(ColRx, r).isEmpty())
            continue;
        table.setValue(ColNumber, r, QStringLiteral("1"));
        table.setReadOnly(ColTx, r, false);
        table.setText(ColRx, r, staging.text(ColRx, r));
        table.setText(ColTx, r, staging.text(ColTx, r));
        for (int c : {ColDecode, ColEncode}) {
            const QString tone = staging.text(c, r);
            table.setText(c, r, tone.isEmpty() ? table.noToneText() : tone);
        }
        for (int c = ColPower; c <= ColBusyLockout; ++c) {
            const QString v = staging.value(c, r);
            table.setValue(c, r, v);
            table.setText(c, r, table.itemText(c, v.toInt()));
        }
    }
    table.endUpdate();
}

void StoreChannelRow(ChannelTable &table, int row, const ChannelData &channel)
{
    table.beginUpdate();
    table.setValue(ColNumber, row, QStringLiteral("1"));
    table.setReadOnly(ColTx, row, false);
    table.setText(ColRx, row, FormatFrequency(channel.rx));
    table.setText(ColTx, row, channel.tx > -1.0 ? FormatFrequency(channel.tx) : QString());
    table.setText(ColDecode, row, channel.decodeTone.isEmpty() ? table.noToneText() : channel.decodeTone);
    table.setText(ColEncode, row, channel.encodeTone.isEmpty() ? table.noToneText() : channel.encodeTone);
    setListCell(table, ColPower, row, channel.power);
    setListCell(table, ColWidth, row, channel.width);
    setListCell(table, ColScanAdd, row, channel.scanAdd);
    setListCell(table, ColBeatShift, row, channel.beatShift);
    setListCell(table, ColBusyLockout, row, channel.busyLockout);
    table.endUpdate();
}

void StageChannelRow(ChannelTable &staging, int row, const ChannelData &channel)
{
    staging.setText(ColRx, row, FormatFrequency(channel.rx));
    staging.setText(ColTx, row, channel.tx > -1.0 ? FormatFrequency(channel.tx) : QString());
    staging.setText(ColDecode, row, channel.decodeTone);
    staging.setText(ColEncode, row, channel.encodeTone);
    staging.setValue(ColPower, row, QString::number(channel.power));
    staging.setValue(ColWidth, row, QString::number(channel.width));
    staging.setValue(ColScanAdd, row, QString::number(channel.scanAdd));
    staging.setValue(ColBeatShift, row, QString::number(channel.beatShift));
    staging.setValue(ColBusyLockout, row, QString::number(channel.busyLockout));
}

RowState ReadChannelRow(const ChannelTable &table, int row, ChannelData &channel, QString *problem)
{
    const QString rxText = table.text(ColRx, row).trimmed();
    if (rxText.isEmpty())
        return RowState::NotInUse;
    auto fail = [&](const QString &what) {
        if (problem)
            *problem = what;
        return RowState::Invalid;
    };
    ChannelData c;
    if (!ParseNumber(rxText, c.rx))
        return fail(QStringLiteral("'%1' is not a valid floating point value").arg(rxText));
    const QString txText = table.text(ColTx, row).trimmed();
    c.tx = -1.0;
    if (!txText.isEmpty() && !ParseNumber(txText, c.tx))
        return fail(QStringLiteral("'%1' is not a valid floating point value").arg(txText));
    const QString noTone = table.noToneText();
    c.decodeTone = table.text(ColDecode, row) == noTone ? QString() : table.text(ColDecode, row);
    c.encodeTone = table.text(ColEncode, row) == noTone ? QString() : table.text(ColEncode, row);
    int *values[] = {&c.power, &c.width, &c.scanAdd, &c.beatShift, &c.busyLockout};
    for (int col = ColPower; col <= ColBusyLockout; ++col) {
        bool ok = false;
        const QString v = table.value(col, row).trimmed();
        const int n = v.toInt(&ok);
        if (!ok)
            return fail(QStringLiteral("'%1' is not a valid integer value").arg(v));
        *values[col - ColPower] = n;
    }
    channel = c;
    return RowState::InUse;
}
