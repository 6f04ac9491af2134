#include "i18n/TfSetLanguage.h"

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "i18n/FormLanguage.h"
#include "i18n/SysInfo.h"
#include "i18n/TLanguage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

TfSetLanguage::TfSetLanguage(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fSetLanguage"));
    setWindowTitle(QStringLiteral("Language File Setup"));
    setFixedSize(297, 104);

    lbName = new QLabel(QStringLiteral("Language Mode: "), this);
    lbName->setObjectName(QStringLiteral("lbName"));

    cbLanguage = new QComboBox(this);
    cbLanguage->setObjectName(QStringLiteral("cbLanguage"));
    cbLanguage->addItems({QStringLiteral("English"), QStringLiteral("Chinese")});
    SetTag(cbLanguage, -2);
    lbName->setBuddy(cbLanguage);

    fileNames = new QListWidget(this);
    fileNames->setObjectName(QStringLiteral("Language"));
    fileNames->addItems({QStringLiteral("English"), QStringLiteral("Chinese")});
    fileNames->setVisible(false);

    lbNoFile = new QLabel(QStringLiteral("No language file is listed for this language in SysInfo.Ini."), this);
    lbNoFile->setObjectName(QStringLiteral("lbNoFile"));
    lbNoFile->setVisible(false);

    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(lbName, 0, 0);
    layout->addWidget(cbLanguage, 0, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);

    connect(btnOk, &QPushButton::clicked, this, &TfSetLanguage::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfSetLanguage::btnCancelClick);
}

void TfSetLanguage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfSetLanguage::FormShow()
{
    cbLanguage->clear();
    fileNames->clear();
    QStringList display;
    QStringList files;
    ReadLanguageLists(*ALL, display, files);
    cbLanguage->addItems(display);
    fileNames->addItems(files);

    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, false);

    // An index outside the list shows no language as chosen.
    const int index = ALL->LanguageIndex;
    cbLanguage->setCurrentIndex(index >= 0 && index < cbLanguage->count() ? index : -1);
    LanguageChanged = false;
}

void TfSetLanguage::btnOkClick()
{
    const int selected = cbLanguage->currentIndex();
    if (selected >= 0 && selected != ALL->LanguageIndex) {
        if (selected >= fileNames->count()) {
            // The two lists of SysInfo.Ini differ in length: nothing names this language's file.
            ShowMessage(Language->Caution, lbNoFile->text(), MsgInformation);
            return;
        }
        LanguageChanged = true;
        ALL->LanguageName = fileNames->item(selected)->text();
        ALL->LanguageIndex = selected;
    }
    accept();
}

void TfSetLanguage::btnCancelClick()
{
    reject();
}
