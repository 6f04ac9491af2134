#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

// Columns of the channel table; column 0 and row 0 exist but are never used, row 1 holds the
// titles and channel k lives in row k + 1.
enum ChannelColumn {
    ColNumber = 1,
    ColRx = 2,
    ColTx = 3,
    ColDecode = 4,
    ColEncode = 5,
    ColPower = 6,
    ColWidth = 7,
    ColScanAdd = 8,
    ColBeatShift = 9,
    ColBusyLockout = 10,
};
constexpr int ChannelColumnCount = 10;
constexpr int HeaderRow = 1;
constexpr int FirstChannelRow = 2;

enum class CellShade { Normal, ButtonFace };

struct ChannelCell
{
    QString text;  // shown text
    QString value; // value text, never shown
    bool readOnly = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    CellShade shade = CellShade::Normal;
    bool bold = false;
    // Background as 0xRRGGBB; hasBackground false keeps the grid's own colour (or the shade).
    bool hasBackground = false;
    quint32 background = 0;
    // All four border lines drawn around the cell, on top of the grid's own lines.
    bool borders = false;
};

// The channel table: a grid of cells each carrying a shown text and a value text. It is the
// codeplug's channel data itself; the channel window only displays and edits it. It also
// knows the texts of the current language that its cells are made of: the no-tone text and
// the item lists of the list columns.
class ChannelTable : public QObject
{
    Q_OBJECT
public:
    explicit ChannelTable(QObject *parent = nullptr);

    int rowCount() const { return m_rows; }
    int colCount() const { return m_cols; }
    void setRowCount(int rows);
    void setColCount(int cols);
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    void setFixedRows(int n);
    void setFixedCols(int n);

    QString text(int col, int row) const;
    QString value(int col, int row) const;
    bool readOnly(int col, int row) const;
    Qt::Alignment alignment(int col, int row) const;
    CellShade shade(int col, int row) const;
    void setText(int col, int row, const QString &text);
    void setValue(int col, int row, const QString &value);
    void setReadOnly(int col, int row, bool readOnly);
    void setAlignment(int col, int row, Qt::Alignment alignment);
    void setShade(int col, int row, CellShade shade);
    bool contains(int col, int row) const;

    bool bold(int col, int row) const;
    void setBold(int col, int row, bool bold);
    bool hasBackground(int col, int row) const;
    quint32 background(int col, int row) const;
    void setBackground(int col, int row, quint32 rgb);
    void clearBackground(int col, int row);
    bool borders(int col, int row) const;
    void setBorders(int col, int row, bool borders);

    int columnWidth(int col) const;
    void setColumnWidth(int col, int width);
    // How cells of a column are aligned when the rows are built: 1 left, 2 centred, 3 right.
    int columnKind(int col) const;
    void setColumnKind(int col, int kind);

    // Suspends change notifications (nested); the outermost resume tells the views to redraw.
    void beginUpdate();
    void endUpdate();
    bool updatesSuspended() const { return m_suspended > 0; }

    QString noToneText() const { return m_noTone; }
    void setNoToneText(const QString &text) { m_noTone = text; }
    QStringList powerItems() const { return m_power; }
    QStringList widthItems() const { return m_width; }
    QStringList yesNoItems() const { return m_yesNo; }
    void setPowerItems(const QStringList &items) { m_power = items; }
    void setWidthItems(const QStringList &items) { m_width = items; }
    void setYesNoItems(const QStringList &items) { m_yesNo = items; }
    // The item list a list column (6 to 10) takes its shown texts from.
    QStringList itemsOfColumn(int col) const;
    // The shown text of a list column for an item index; empty when the index is not in the list.
    QString itemText(int col, int index) const;

    bool rowInUse(int row) const { return !text(ColRx, row).trimmed().isEmpty(); }
    bool hasInUseMark(int row) const { return value(ColNumber, row) == QLatin1String("1"); }

signals:
    void cellChanged(int col, int row);
    // Rows or columns were added or removed, or a suspended update ended: redraw everything.
    void tableReset();
    // A column width changed: the views lay their columns out again.
    void columnsResized();

private:
    ChannelCell *cell(int col, int row);
    const ChannelCell *cell(int col, int row) const;
    void resize(int cols, int rows);
    void changed(int col, int row);

    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    QVector<ChannelCell> m_cells; // row-major
    QVector<int> m_widths;
    QVector<int> m_kinds;
    int m_suspended = 0;
    bool m_pendingReset = false;
    QString m_noTone;
    QStringList m_power;
    QStringList m_width;
    QStringList m_yesNo;
};
