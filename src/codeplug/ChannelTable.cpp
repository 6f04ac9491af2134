#include "codeplug/ChannelTable.h"

ChannelTable::ChannelTable(QObject *parent)
    : QObject(parent),
      m_noTone(QStringLiteral("None")),
      m_power({QStringLiteral("Low"), QStringLiteral("High")}),
      m_width({QStringLiteral("Wide"), QStringLiteral("Narrow")}),
      m_yesNo({QStringLiteral("Yes"), QStringLiteral("No")})
{
    resize(ChannelColumnCount + 1, 2);
}

void ChannelTable::resize(int cols, int rows)
{
    cols = qMax(cols, 0);
    rows = qMax(rows, 0);
    QVector<ChannelCell> cells(qsizetype(cols) * rows);
    for (int r = 0; r < qMin(rows, m_rows); ++r)
        for (int c = 0; c < qMin(cols, m_cols); ++c)
            cells[qsizetype(r) * cols + c] = m_cells[qsizetype(r) * m_cols + c];
    m_cells = std::move(cells);
    m_rows = rows;
    m_cols = cols;
    m_widths.resize(cols);
    m_kinds.resize(cols);
    if (m_suspended > 0)
        m_pendingReset = true;
    else
        emit tableReset();
}

void ChannelTable::setRowCount(int rows)
{
    if (rows != m_rows)
        resize(m_cols, rows);
}

void ChannelTable::setColCount(int cols)
{
    if (cols != m_cols)
        resize(cols, m_rows);
}

void ChannelTable::setFixedRows(int n)
{
    m_fixedRows = n;
}

void ChannelTable::setFixedCols(int n)
{
    m_fixedCols = n;
}

bool ChannelTable::contains(int col, int row) const
{
    return col >= 0 && row >= 0 && col < m_cols && row < m_rows;
}

ChannelCell *ChannelTable::cell(int col, int row)
{
    return contains(col, row) ? &m_cells[qsizetype(row) * m_cols + col] : nullptr;
}

const ChannelCell *ChannelTable::cell(int col, int row) const
{
    return contains(col, row) ? &m_cells[qsizetype(row) * m_cols + col] : nullptr;
}

QString ChannelTable::text(int col, int row) const
{
    const ChannelCell *c = cell(col, row);
    return c ? c->text : QString();
}

QString ChannelTable::value(int col, int row) const
{
    const ChannelCell *c = cell(col, row);
    return c ? c->value : QString();
}

bool ChannelTable::readOnly(int col, int row) const
{
    const ChannelCell *c = cell(col, row);
    return c ? c->readOnly : true;
}

Qt::Alignment ChannelTable::alignment(int col, int row) const
{
    const ChannelCell *c = cell(col, row);
    return c ? c->alignment : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter);
}

CellShade ChannelTable::shade(int col, int row) const
{
    const ChannelCell *c = cell(col, row);
    return c ? c->shade : CellShade::Normal;
}

void ChannelTable::changed(int col, int row)
{
    if (m_suspended == 0)
        emit cellChanged(col, row);
    else
        m_pendingReset = true;
}

void ChannelTable::setText(int col, int row, const QString &text)
{
    if (ChannelCell *c = cell(col, row); c && c->text != text) {
        c->text = text;
        changed(col, row);
    }
}

void ChannelTable::setValue(int col, int row, const QString &value)
{
    if (ChannelCell *c = cell(col, row))
        c->value = value;
}

void ChannelTable::setReadOnly(int col, int row, bool readOnly)
{
    if (ChannelCell *c = cell(col, row); c && c->readOnly != readOnly) {
        c->readOnly = readOnly;
        changed(col, row);
    }
}

void ChannelTable::setAlignment(int col, int row, Qt::Alignment alignment)
{
    if (ChannelCell *c = cell(col, row); c && c->alignment != alignment) {
        c->alignment = alignment;
        changed(col, row);
    }
}

void ChannelTable::setShade(int col, int row, CellShade shade)
{
    if (ChannelCell *c = cell(col, row); c && c->shade != shade) {
        c->shade = shade;
        changed(col, row);
    }
}

bool ChannelTable::bold(int col, int row) const
{
    const ChannelCell *c = cell(col, row);
    return c && c->bold;
}

void ChannelTable::setBold(int col, int row, bool bold)
{
    if (ChannelCell *c = cell(col, row); c && c->bold != bold) {
        c->bold = bold;
        changed(col, row);
    }
}

bool ChannelTable::hasBackground(int col, int row) const
{
    const ChannelCell *c = cell(col, row);
    return c && c->hasBackground;
}

quint32 ChannelTable::background(int col, int row) const
{
    const ChannelCell *c = cell(col, row);
    return c ? c->background : 0;
}

void ChannelTable::setBackground(int col, int row, quint32 rgb)
{
    rgb &= 0xFFFFFFu;
    if (ChannelCell *c = cell(col, row); c && (!c->hasBackground || c->background != rgb)) {
        c->hasBackground = true;
        c->background = rgb;
        changed(col, row);
    }
}

void ChannelTable::clearBackground(int col, int row)
{
    if (ChannelCell *c = cell(col, row); c && c->hasBackground) {
        c->hasBackground = false;
        c->background = 0;
        changed(col, row);
    }
}

bool ChannelTable::borders(int col, int row) const
{
    const ChannelCell *c = cell(col, row);
    return c && c->borders;
}

void ChannelTable::setBorders(int col, int row, bool borders)
{
    if (ChannelCell *c = cell(col, row); c && c->borders != borders) {
        c->borders = borders;
        changed(col, row);
    }
}

int ChannelTable::columnWidth(int col) const
{
    return col >= 0 && col < m_widths.size() ? m_widths[col] : 0;
}

void ChannelTable::setColumnWidth(int col, int width)
{
    if (col >= 0 && col < m_widths.size() && m_widths[col] != width) {
        m_widths[col] = width;
        emit columnsResized();
    }
}

int ChannelTable::columnKind(int col) const
{
    return col >= 0 && col < m_kinds.size() ? m_kinds[col] : 0;
}

void ChannelTable::setColumnKind(int col, int kind)
{
    if (col >= 0 && col < m_kinds.size())
        m_kinds[col] = kind;
}

void ChannelTable::beginUpdate()
{
    ++m_suspended;
}

void ChannelTable::endUpdate()
{
    if (m_suspended == 0)
        return;
    if (--m_suspended == 0) {
        m_pendingReset = false;
        emit tableReset();
    }
}

QStringList ChannelTable::itemsOfColumn(int col) const
{
    switch (col) {
    case ColPower:
        return m_power;
    case ColWidth:
        return m_width;
    case ColScanAdd:
    case ColBeatShift:
    case ColBusyLockout:
        return m_yesNo;
    default:
        return {};
    }
}

QString ChannelTable::itemText(int col, int index) const
{
    return itemsOfColumn(col).value(index);
}
