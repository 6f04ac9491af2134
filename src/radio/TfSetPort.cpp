#include "radio/TfSetPort.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "i18n/FormLanguage.h"
#include "radio/PortNames.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

TfSetPort::TfSetPort(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fSetPort"));
    setWindowTitle(QStringLiteral("Communication Port"));

    lbName = new QLabel(QStringLiteral("通Port:"), this);
    lbName->setObjectName(QStringLiteral("lbName"));
    cbCom = new QComboBox(this);
    cbCom->setObjectName(QStringLiteral("cbCom"));
    cbCom->setEditable(false);
    SetTag(cbCom, -2);
    lbName->setBuddy(cbCom);
    lbDevice = new QLabel(this);
    lbDevice->setObjectName(QStringLiteral("lbDevice"));
    SetStaticText(lbDevice);

    lbNoPermission = new QLabel(
        QStringLiteral("These ports exist, but you have no permission to open them. Add your user to the group "
                       "that owns them (usually dialout: sudo usermod -aG dialout $USER) and log in again."),
        this);
    lbNoPermission->setObjectName(QStringLiteral("lbNoPermission"));
    lbNoPermission->setWordWrap(true);
    lbNoPermissionPorts = new QLabel(this);
    lbNoPermissionPorts->setObjectName(QStringLiteral("lbNoPermissionPorts"));
    SetStaticText(lbNoPermissionPorts);
    lbNoPermission->setVisible(false);
    lbNoPermissionPorts->setVisible(false);

    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(lbName, 0, 0);
    layout->addWidget(cbCom, 0, 1);
    layout->addWidget(lbDevice, 0, 2);
    layout->addWidget(lbNoPermission, 1, 0, 1, 3);
    layout->addWidget(lbNoPermissionPorts, 2, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons, 3, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    lbNoPermission->setFixedWidth(320);

    connect(cbCom, &QComboBox::currentIndexChanged, this, &TfSetPort::showDevice);
    connect(btnOk, &QPushButton::clicked, this, &TfSetPort::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfSetPort::btnCancelClick);
}

void TfSetPort::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfSetPort::FormShow()
{
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, true);
    cbCom->clear();
    QStringList locked;
    for (const PortProbe &p : ProbeSerialPorts()) {
        if (p.state == PortState::Free) {
            cbCom->addItem(p.name, p.device);
            cbCom->setItemData(cbCom->count() - 1, p.device, Qt::ToolTipRole);
        } else if (p.state == PortState::NoPermission) {
            locked << QStringLiteral("%1  %2").arg(p.name, p.device);
        }
    }
    if (cbCom->count() > 0)
        cbCom->setCurrentIndex(0);
    for (int i = 0; i < cbCom->count(); ++i)
        if (cbCom->itemText(i) == ALL->PortName) {
            cbCom->setCurrentIndex(i);
            break;
        }
    showDevice();
    lbNoPermissionPorts->setText(locked.join(QLatin1Char('\n')));
    lbNoPermission->setVisible(!locked.isEmpty());
    lbNoPermissionPorts->setVisible(!locked.isEmpty());
}

void TfSetPort::showDevice()
{
    const QString device = cbCom->currentData().toString();
    lbDevice->setText(device == cbCom->currentText() ? QString() : device);
}

void TfSetPort::btnOKClick()
{
    ALL->PortName = cbCom->currentText();
    accept();
}

void TfSetPort::btnCancelClick()
{
    reject();
}
