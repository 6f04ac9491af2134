#include "radio/TfTransferDialog.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/FormLanguage.h"
#include "radio/TransferLink.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

TfTransferDialog::TfTransferDialog(QWidget *parent, const QString &name, const QString &caption)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(360, 110);

    pBar = new QProgressBar(this);
    pBar->setObjectName(QStringLiteral("pBar"));
    pBar->setRange(0, 100);
    pBar->setValue(0);
    pBar->setTextVisible(false);

    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pBar);
    layout->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
}

void TfTransferDialog::bind(TransferLink *link)
{
    m_link = link;
    link->setParent(this);
    connect(link, &TransferLink::okEnabledChanged, btnOk, &QPushButton::setEnabled);
    connect(link, &TransferLink::progressChanged, pBar, [this](int position, int maximum) {
        pBar->setMaximum(maximum);
        pBar->setValue(position);
    });
    connect(link, &TransferLink::closeRequested, this, &QDialog::reject);
    connect(btnOk, &QPushButton::clicked, link, [link] { link->btnOkClick(); });
    connect(btnCancel, &QPushButton::clicked, link, [link] { link->btnCancelClick(); });
}

void TfTransferDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        QTimer::singleShot(0, this, &TfTransferDialog::FormShow);
}

void TfTransferDialog::FormShow()
{
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, false);
    m_link->FormShow();
}

void TfTransferDialog::done(int result)
{
    // Closing ends the transfer: the worker is stopped and the port closed before the window
    // goes away.
    if (m_link)
        m_link->FormClose();
    QDialog::done(result);
}
