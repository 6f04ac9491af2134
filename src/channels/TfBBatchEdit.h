#pragma once

#include <QDialog>

class ChannelSpinBox;
class FrequencyBox;
class ToneBox;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QWidget;

// The batch channel editor: fills all channels or a range with the same settings and with
// frequencies that advance by a step from one channel to the next. It stays open between
// batches.
class TfBBatchEdit : public QDialog
{
    Q_OBJECT
public:
    explicit TfBBatchEdit(QWidget *parent = nullptr);

    // Stops both range boxes at the model's channel count.
    void setChannelCount(int count);

    // True when the input allows a batch; tells the user why not where the input is wrong.
    bool CheckBatch();
    void ApplyBatch();

    FrequencyBox *eReceive;
    FrequencyBox *eSend;
    QComboBox *cbJg;
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
    QRadioButton *rall;
    QRadioButton *rOne;
    QWidget *pPd;
    ChannelSpinBox *seFrom;
    ChannelSpinBox *seTo;
    QRadioButton *rasc;
    QRadioButton *rdesc;
    QPushButton *btnOk;
    QPushButton *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void eReceivePropertiesEditValueChanged();
    void eSendPropertiesEditValueChanged();
    void cbQTExit();
    void cbDQTExit();
    void cbQTDblClick();
    void cbDQTDblClick();
    void chsmtjClick();
    void chpppyClick();
    void chfmClick();
    void btnOkClick();
    void btnCancelClick();

    void snapBox(FrequencyBox *box);
    void pickTone(ToneBox *box);
    void rangeChoice();

    bool m_shown = false;
};

// The main window's Batch Channel Edit command: the dialog over `parent`, both range boxes
// running up to `channelCount`.
void OpenBatchEdit(QWidget *parent, int channelCount);
