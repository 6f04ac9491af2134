#pragma once

#include <QDialog>

class ChannelSpinBox;
class FrequencyBox;
class ToneBox;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

// The channel edit dialog: one channel of the channel table at a time in form controls. Every
// change is written straight into the table; the only button closes the dialog.
class TfBInfoEdit : public QDialog
{
    Q_OBJECT
public:
    explicit TfBInfoEdit(QWidget *parent = nullptr);
    ~TfBInfoEdit() override;

    // Channel shown first; set by the opener before the dialog is shown.
    qint32 StartChannel = 1;
    // True while the controls are filled from the table; nothing is stored meanwhile.
    bool Loading = false;

    void LoadChannel();
    void ResetControls();
    void StoreChannel();

    // Stops the numbering at the model's channel count.
    void setChannelCount(int count);

    ChannelSpinBox *sexd;
    FrequencyBox *eReceive;
    QWidget *pMain;
    FrequencyBox *eSend;
    ToneBox *cbQT;
    ToneBox *cbDQT;
    QComboBox *cbkz;
    QComboBox *cbfsgl;
    QCheckBox *chsmtj;
    QCheckBox *chpppy;
    QCheckBox *chfm;
    QComboBox *cbsmtj;
    QComboBox *cbpppy;
    QComboBox *cbfm;
    QPushButton *btnClose;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void sexdChange();
    void eReceivePropertiesEditValueChanged();
    void eSendPropertiesEditValueChanged();
    void cbQTExit();
    void cbDQTExit();
    void cbQTDblClick();
    void cbDQTDblClick();
    void cbkzChange();
    void chsmtjClick();
    void chpppyClick();
    void chfmClick();
    void btnCloseClick();

    void pickTone(ToneBox *box);
    void yesNoClick(QCheckBox *check, QComboBox *list);
    // The frequency checks shared by both boxes: out-of-limit values are replaced by the band's
    // nearer end (ErrRange), out-of-band values only reported (OutRange).
    double checkFrequency(double f) const;
    int row() const;

    bool m_shown = false;
};

// The main window's Channel Edit command: the dialog over `parent`, opened on the channel of the
// channel window's current grid row (row - 1), numbered up to `channelCount`.
void OpenChannelEdit(QWidget *parent, int currentRow, int channelCount);
