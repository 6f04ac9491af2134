#pragma once

#include <QDialog>

class TMemTable;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

// The function settings dialog: copies TFun into its controls when shown and back on OK only.
// The report uses a hidden instance of it to list the settings with the texts the user sees.
class TfBFunSet : public QDialog
{
    Q_OBJECT
public:
    explicit TfBFunSet(QWidget *parent = nullptr);

    void InitControls();
    void LoadFromFun();
    void SaveToFun();
    // Appends the report rows of the function settings (section 9) to the report body table.
    void AppendPrintRows(TMemTable &body);

    QLabel *Label1;
    QComboBox *cbSQvelch;
    QLabel *Label2;
    QComboBox *cbMonikey;
    QLabel *Label3;
    QComboBox *cbTxTimeout;
    QLabel *Label5;
    QComboBox *cxScan;
    QLabel *Label4;
    QComboBox *cxWaveof;
    QLabel *Label10;
    QComboBox *cbVoice;
    QLabel *Label6;
    QComboBox *cxAlt;
    QLabel *Label7;
    QComboBox *cxFM;
    QCheckBox *cbBattSave;
    QCheckBox *cbBeepTone;
    QCheckBox *cbVolhigh;
    QCheckBox *cbVolLow;
    QGroupBox *GroupBox2;
    QCheckBox *chVoxFun;
    QWidget *Panel1;
    QLabel *Label8;
    QSpinBox *seVoxLevel;
    QCheckBox *chVoxInhibit;
    QPushButton *btnOk;
    QPushButton *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void chVoxFunClick();
    void btnOkClick();
    void btnCancelClick();

    bool m_shown = false;
    // Set when the user changes the VOX level, so that a stored level the spin box cannot show
    // is kept unless the user chose another.
    bool m_voxLevelChosen = false;
};

// The main window's Function Setting command.
void OpenFunctionSettings(QWidget *parent);
