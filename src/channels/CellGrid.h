#pragma once

#include "i18n/GridTitles.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPointer>

#include <functional>

#include "codeplug/ChannelTable.h"
class QLineEdit;

// A grid of text cells shown from a ChannelTable: each cell has a shown and a value text, its
// own alignment, colour, boldness, border and read-only flag. Row 0 and column 0 of the table
// are the grid's own hidden title row and column; the first fixedRows() rows and fixedCols()
// columns after them stay in place while the rest scrolls. Editable cells are edited in a
// built-in text editor; a text committed there reaches the table only through the set-text
// handler, which may change it.
class CellGrid : public QAbstractScrollArea, public GridTitles
{
    Q_OBJECT
public:
    // The key typed into the grid or its editor; set it to QChar() to drop the key, or change it.
    using KeyHandler = std::function<void(QChar &key)>;
    // A cell is about to become current; returning false keeps the current cell.
    using SelectHandler = std::function<bool(int col, int row)>;
    // A cell's shown text is being set through the grid; the handler may change the text.
    using SetTextHandler = std::function<void(int col, int row, QString &text)>;

    explicit CellGrid(QWidget *parent = nullptr);
    ~CellGrid() override;

    // The table shown; not owned. Without one the grid shows a table of its own.
    void setTable(ChannelTable *table);
    ChannelTable *table() const { return m_table; }

    void setDefaultRowHeight(int height);
    int defaultRowHeight() const { return m_rowHeight; }
    void setEditingEnabled(bool enabled) { m_editingEnabled = enabled; }
    bool editingEnabled() const { return m_editingEnabled; }
    void setColumnsResizable(bool resizable) { m_resizable = resizable; }
    // Colour of the fixed cells in the current cell's row and column.
    void setFocusedTitleColor(const QColor &color);

    void setKeyHandler(KeyHandler handler) { m_onKey = std::move(handler); }
    void setSelectHandler(SelectHandler handler) { m_onSelect = std::move(handler); }
    void setSetTextHandler(SetTextHandler handler) { m_onSetText = std::move(handler); }

    int currentCol() const { return m_col; }
    int currentRow() const { return m_row; }
    // Makes a cell current after asking the select handler; false when refused or the cell is
    // fixed, hidden or outside the table.
    bool setCurrentCell(int col, int row);
    bool isSelectable(int col, int row) const;

    // The cell's rectangle in viewport coordinates; empty for hidden cells.
    QRect cellRect(int col, int row) const;
    // The cell under a viewport position, or (-1, -1).
    QPoint cellAt(const QPoint &pos) const;
    void scrollToCell(int col, int row);

    // The grid's text-setting operation: raises the set-text handler, then stores the text.
    void setCellText(int col, int row, const QString &text);

    // Opens the text editor on the current cell when it is editable; selectAll marks its text.
    bool startEditing(bool selectAll = true);
    // Closes the editor; with commit, a changed text goes through setCellText.
    void endEditing(bool commit = true);
    bool isEditing() const { return m_editing; }
    QLineEdit *editor() const { return m_editor; }

    // GridTitles: the titles are the texts of the first visible row.
    int gridColumnCount() const override;
    QString gridTitle(int col) const override;
    void setGridTitle(int col, const QString &text) override;

    QSize sizeHint() const override;

signals:
    // A mouse button went down over the grid; (col, row) is the cell under it or (-1, -1).
    // Raised after the click has selected its cell.
    void mousePressed(Qt::MouseButton button, int col, int row);
    void cellDoubleClicked(int col, int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int colWidth(int col) const;
    int fixedColCount() const;
    int fixedRowCount() const;
    int fixedWidth() const;
    int fixedHeight() const;
    int contentLeft(int col) const; // unscrolled x of a column, from the first visible one
    int contentWidth() const;
    int contentHeight() const;
    int resizeBorderAt(const QPoint &pos) const;
    void updateScrollBars();
    void placeEditor();
    void tableChanged();
    void ensureCurrentCell();
    void paintCell(QPainter &p, int col, int row, const QRect &r);
    // Offers a typed key to the key handler; false when it was dropped.
    bool filterKey(QChar &key);
    void moveCurrent(int dcol, int drow);

    QPointer<ChannelTable> m_table;
    ChannelTable *m_ownTable = nullptr;
    QLineEdit *m_editor = nullptr;
    int m_rowHeight = 20;
    bool m_editingEnabled = true;
    bool m_resizable = false;
    bool m_editing = false;
    int m_col = -1;
    int m_row = -1;
    int m_editCol = -1;
    int m_editRow = -1;
    int m_resizingCol = -1;
    int m_resizeStartX = 0;
    int m_resizeStartWidth = 0;
    QColor m_focusedTitle;
    KeyHandler m_onKey;
    SelectHandler m_onSelect;
    SetTextHandler m_onSetText;
};
