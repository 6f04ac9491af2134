#pragma once

#include <QDialog>

class MessageEdit;
class QPushButton;

// The embedded message dialog: the two lines of TEnMsg, copied in when shown and back on OK.
class TfEmbeddedMessage : public QDialog
{
    Q_OBJECT
public:
    explicit TfEmbeddedMessage(QWidget *parent = nullptr);

    void InitControls();
    void LoadFromEnMsg();
    void SaveToEnMsg();

    MessageEdit *edEMA;
    MessageEdit *edEMB;
    QPushButton *btnOk;
    QPushButton *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormShow();
    void btnOkClick();
    void btnCancelClick();

    bool m_shown = false;
};

// The main window's Embedded Message command.
void OpenEmbeddedMessage(QWidget *parent);
