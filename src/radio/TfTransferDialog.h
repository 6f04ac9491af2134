#pragma once

#include <QDialog>

class QProgressBar;
class QPushButton;
class TransferLink;

// What the read and the write dialog share: a fixed-size window with the progress bar pBar
// across its top and btnOk and btnCancel at the bottom right, the view of a transfer.
class TfTransferDialog : public QDialog
{
    Q_OBJECT
public:
    void done(int result) override;

protected:
    TfTransferDialog(QWidget *parent, const QString &name, const QString &caption);
    // Binds the view to its transfer; the dialog owns it.
    void bind(TransferLink *link);
    void showEvent(QShowEvent *event) override;

    QProgressBar *pBar;
    QPushButton *btnOk;
    QPushButton *btnCancel;

private:
    void FormShow();

    TransferLink *m_link = nullptr;
};
