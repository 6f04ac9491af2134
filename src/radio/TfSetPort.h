#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// "Communication Port": chooses ALL->PortName among the ports that can be opened now. Each
// port's device is shown beside its name; devices that exist but may not be opened for lack
// of permission are named, with how to get it.
class TfSetPort : public QDialog
{
    Q_OBJECT
public:
    explicit TfSetPort(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void FormShow();
    void btnOKClick();
    void btnCancelClick();

private:
    void showDevice();

    QLabel *lbName;
    QComboBox *cbCom;
    QLabel *lbDevice;
    QLabel *lbNoPermission;
    QLabel *lbNoPermissionPorts;
    QPushButton *btnOk;
    QPushButton *btnCancel;
};
