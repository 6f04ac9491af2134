#include "settings/TfModel.h"

#include "app/FormBuilding.h"
#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "codeplug/Codeplug.h"
#include "codeplug/TMacList.h"
#include "i18n/FormLanguage.h"
#include "i18n/TLanguage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void selectOrFirst(QComboBox *box, const QString &text)
{
    const int i = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(i >= 0 ? i : (box->count() > 0 ? 0 : -1));
}

} // namespace

TfModel::TfModel(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fModel"));
    setWindowTitle(QStringLiteral("Model Information"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(302, 135);

    Label1 = named(new QLabel(QStringLiteral("Model Type: "), this), "Label1");
    cbCopmut = named(new QComboBox(this), "cbCopmut");
    SetTag(cbCopmut, -2);
    Label2 = named(new QLabel(QStringLiteral("Frequency: "), this), "Label2");
    cbPd = named(new QComboBox(this), "cbPd");
    SetTag(cbPd, -2);
    btnOk = named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk");
    btnCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), "btnCancel");

    auto *grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cbCopmut, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(cbPd, 1, 1);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(cbCopmut, &QComboBox::currentIndexChanged, this, &TfModel::cbCopmutChange);
    connect(btnOk, &QPushButton::clicked, this, &TfModel::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfModel::btnCancelClick);
}

void TfModel::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfModel::FormShow()
{
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, false);
    QStringList names;
    MacList->GetNames(names);
    {
        const QSignalBlocker block(cbCopmut);
        cbCopmut->clear();
        cbCopmut->addItems(names);
        selectOrFirst(cbCopmut, ALL->ModelName);
    }
    cbCopmutChange();
    selectOrFirst(cbPd, ALL->BandText);
    Confirmed = false;
}

void TfModel::cbCopmutChange()
{
    cbPd->clear();
    const TMacType *model = MacList->FindByName(cbCopmut->currentText());
    if (!model)
        return;
    cbPd->addItems(model->Bands);
    selectOrFirst(cbPd, model->DefaultBand);
}

void TfModel::btnOkClick()
{
    Confirmed = true;
    accept();
}

void TfModel::btnCancelClick()
{
    reject();
}

bool ApplyModelChoice(const QString &modelName, const QString &bandText, const std::function<void()> &runNew)
{
    const TMacType *model = MacList->FindByName(modelName);
    if (!model)
        return false;
    if (ALL->Modified && ShowMessage(Language->Confirmation, Language->ClearData, MsgYesNo) != ResultYes)
        return false;
    MakeModelCurrent(*ALL, model);
    AssignBandText(*ALL, bandText);
    ResetSettings(*Fun, *EnMsg);
    if (runNew)
        runNew();
    return true;
}

bool RunModelChange(QWidget *parent, const std::function<void()> &runNew)
{
    TfModel dialog(parent);
    dialog.exec();
    if (!dialog.Confirmed)
        return false;
    return ApplyModelChoice(dialog.cbCopmut->currentText(), dialog.cbPd->currentText(), runNew);
}
