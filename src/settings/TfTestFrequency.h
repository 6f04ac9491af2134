#pragma once

#include <QDialog>

class CellGrid;
class ChannelTable;
class QLabel;
class QPushButton;

// The test frequency dialog: the 16 receive/transmit pairs of TTestFre in a grid, copied in when
// shown and back on OK. Closing it after any committed cell reminds the user that the radio
// does not hold them.
class TfTestFrequency : public QDialog
{
    Q_OBJECT
public:
    explicit TfTestFrequency(QWidget *parent = nullptr);

    void InitControls();
    void SetupGrid();
    void LoadFromTestFre();
    void SaveToTestFre();

    // A cell was committed since the window was shown.
    bool Edited = false;

    CellGrid *gvData;
    QLabel *Label1;
    QPushButton *btnOk;
    QPushButton *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void FormShow();
    void gvDataSetForeText(int col, int row, QString &text);
    void FormCloseQuery();
    void btnOkClick();
    void btnCancelClick();

    ChannelTable *m_cells;
    bool m_shown = false;
    bool m_closing = false;
};

// The main window's Test Frequency command.
void OpenTestFrequency(QWidget *parent);
