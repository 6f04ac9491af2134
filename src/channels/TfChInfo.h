#pragma once

#include <QWidget>

class CellGrid;
class QComboBox;
class QLabel;
class QListWidget;

// The channel window: the codeplug's channel table in the grid gvData, edited in place with
// the grid's text editor (frequencies) and five drop-down boxes laid over the cell (tones and
// the list columns). It lives from the first show of the main window to the end; closing it
// only minimises it.
class TfChInfo : public QWidget
{
    Q_OBJECT
public:
    explicit TfChInfo(QWidget *parent = nullptr);

    // Builds the columns from BColText, then empties the table.
    void SetupColumns();
    // Empties every channel row (or rebuilds the rows for a new channel count); when the rows
    // were rebuilt the window shrinks to 30 pixels a channel if it is taller.
    void ClearChannelTable();
    void InitChannelRow(int row);
    void ClearChannelRow(int row);
    // Lays the box of cell (EditCol, EditRow) over it, for rows in use and columns 4 to 10.
    void ShowCellEditor();
    // Re-applies the current language to the window and to the texts in the table.
    void RelabelGrid();
    // Ends in-place text editing and hides the five boxes; run before every command.
    void CloseEditors();

    // The texts the table's cells are made of, as the window's lists hold them now.
    void PublishListTexts();

    CellGrid *gvData = nullptr;
    QListWidget *BColText = nullptr;
    QComboBox *cbQT = nullptr;
    QComboBox *cbDQT = nullptr;
    QComboBox *cbfsgl = nullptr;
    QComboBox *cbkz = nullptr;
    QComboBox *cbHave = nullptr;
    QLabel *lNone = nullptr;

    qint32 EditCol = 0;
    qint32 EditRow = 0;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    bool gvDataSelectCell(int col, int row);
    void gvDataMouseDown(int col, int row);
    void gvDataKeyPress(QChar &key);
    void gvDataSetForeText(int col, int row, QString &text);
    // Returns true when the key was consumed (dropped or Enter).
    bool ComBoxKeyPress(QComboBox *box, QKeyEvent *event);
    void ComBoxSetData(QComboBox *box);
    void ComBoxExit(QComboBox *box);
    void ComBoxDblClick(QComboBox *box);

    QList<QComboBox *> boxes() const;
    bool isToneBox(const QComboBox *box) const;
    QWidget *frame();
    void commitBox(QComboBox *box);
    // Hides whichever box is visible, writing what was typed into it first.
    void hideBoxes();

    bool m_shown = false;
    bool m_loadingBox = false;
    // Typed text in a tone box not yet written to its cell.
    bool m_toneTyped = false;
    // The cell the visible box was laid over; its value goes there.
    int m_boxCol = 0;
    int m_boxRow = 0;
};
