#include "settings/TfBFunSet.h"

#include "app/FormBuilding.h"
#include "app/Globals.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "codeplug/TFun.h"
#include "i18n/FormLanguage.h"
#include "i18n/TLanguage.h"
#include "report/TMemTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <utility>

namespace {

QStringList offOn()
{
    return {QStringLiteral("Off"), QStringLiteral("On")};
}

// A list shows the stored index when the list has it and nothing otherwise.
void showIndex(QComboBox *box, qint32 value)
{
    box->setCurrentIndex(value >= 0 && value < box->count() ? value : -1);
}

// A list that shows nothing keeps the stored value: only a choice of the user replaces it.
void storeIndex(const QComboBox *box, qint32 &field)
{
    if (box->currentIndex() >= 0)
        field = box->currentIndex();
}

} // namespace

TfBFunSet::TfBFunSet(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fBFunSet"));
    setWindowTitle(QStringLiteral("Function Setting"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(462, 271);

    QStringList digits;
    for (int i = 0; i <= 9; ++i)
        digits << QString::number(i);
    QStringList timeouts{QStringLiteral("Off")};
    for (int s = 30; s <= 300; s += 30)
        timeouts << QString::number(s);

    Label1 = named(new QLabel(QStringLiteral("Squelch level"), this), "Label1");
    cbSQvelch = makeList(this, "cbSQvelch", digits);
    SetTag(cbSQvelch, -2);
    Label2 = named(new QLabel(QStringLiteral("Side Key"), this), "Label2");
    cbMonikey = makeList(this, "cbMonikey",
                         {QStringLiteral("Off"), QStringLiteral("Monmome"), QStringLiteral("H/L Power"), QStringLiteral("Alarm")});
    Label3 = named(new QLabel(QStringLiteral("TX Time Out"), this), "Label3");
    cbTxTimeout = makeList(this, "cbTxTimeout", timeouts);
    SetTag(cbTxTimeout, -3);
    Label5 = named(new QLabel(QStringLiteral("Scan"), this), "Label5");
    cxScan = makeList(this, "cxScan", offOn());
    Label4 = named(new QLabel(QStringLiteral("Voice"), this), "Label4");
    cxWaveof = makeList(this, "cxWaveof", offOn());
    Label10 = named(new QLabel(QStringLiteral("Voice Annunciation"), this), "Label10");
    cbVoice = makeList(this, "cbVoice", {QStringLiteral("English"), QStringLiteral("Chinese")});
    Label6 = named(new QLabel(QStringLiteral("Incept Alarm"), this), "Label6");
    cxAlt = makeList(this, "cxAlt", offOn());
    Label7 = named(new QLabel(QStringLiteral("FM"), this), "Label7");
    cxFM = makeList(this, "cxFM", {QStringLiteral("Interdict"), QStringLiteral("Turn on")});

    GroupBox2 = named(new QGroupBox(QStringLiteral("VOX"), this), "GroupBox2");
    chVoxFun = named(new QCheckBox(QStringLiteral("VOX Function"), GroupBox2), "chVoxFun");
    Panel1 = named(new QWidget(GroupBox2), "Panel1");
    Label8 = named(new QLabel(QStringLiteral("VOX Gain Level"), Panel1), "Label8");
    seVoxLevel = named(new QSpinBox(Panel1), "seVoxLevel");
    seVoxLevel->setRange(1, 5);
    chVoxInhibit = named(new QCheckBox(QStringLiteral("VOX Inhibit OnReceive"), Panel1), "chVoxInhibit");

    auto *frame = named(new QFrame(this), "Bevel1");
    frame->setFrameShape(QFrame::StyledPanel);
    cbBattSave = named(new QCheckBox(QStringLiteral("Battery Save"), frame), "cbBattSave");
    cbBeepTone = named(new QCheckBox(QStringLiteral("Clew Voice"), frame), "cbBeepTone");
    cbVolhigh = named(new QCheckBox(QStringLiteral("High Vol Inhibit Tx"), frame), "cbVolhigh");
    cbVolLow = named(new QCheckBox(QStringLiteral("Low Vol Inhibit Tx"), frame), "cbVolLow");

    btnOk = named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk");
    btnCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), "btnCancel");

    auto *left = new QGridLayout;
    int r = 0;
    for (auto [label, box] : {std::pair{Label1, cbSQvelch}, std::pair{Label2, cbMonikey}, std::pair{Label3, cbTxTimeout},
                              std::pair{Label5, cxScan}, std::pair{Label4, cxWaveof}, std::pair{Label10, cbVoice},
                              std::pair{Label6, cxAlt}, std::pair{Label7, cxFM}}) {
        left->addWidget(label, r, 0);
        left->addWidget(box, r, 1);
        ++r;
    }
    auto *panel = new QGridLayout(Panel1);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(Label8, 0, 0);
    panel->addWidget(seVoxLevel, 0, 1);
    panel->addWidget(chVoxInhibit, 1, 0, 1, 2);
    auto *vox = new QVBoxLayout(GroupBox2);
    vox->addWidget(chVoxFun);
    vox->addWidget(Panel1);
    auto *checks = new QGridLayout(frame);
    checks->addWidget(cbBattSave, 0, 0);
    checks->addWidget(cbBeepTone, 0, 1);
    checks->addWidget(cbVolhigh, 1, 0);
    checks->addWidget(cbVolLow, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *right = new QVBoxLayout;
    right->addWidget(GroupBox2);
    right->addWidget(frame);
    right->addStretch();
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right);

    connect(chVoxFun, &QCheckBox::clicked, this, &TfBFunSet::chVoxFunClick);
    connect(seVoxLevel, &QSpinBox::valueChanged, this, [this] { m_voxLevelChosen = true; });
    connect(btnOk, &QPushButton::clicked, this, &TfBFunSet::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfBFunSet::btnCancelClick);
}

void TfBFunSet::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfBFunSet::FormShow()
{
    InitControls();
}

void TfBFunSet::InitControls()
{
    // Lists first, selections afterwards: the translated items must not lose the selection.
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, true);
    LoadFromFun();
}

void TfBFunSet::LoadFromFun()
{
    const TFun &f = *Fun;
    cbBattSave->setChecked(f.BatterySave == 1);
    cbBeepTone->setChecked(f.BeepTone == 1);
    cbVolhigh->setChecked(f.HighVolInhibitTx == 1);
    cbVolLow->setChecked(f.LowVolInhibitTx == 1);
    showIndex(cbSQvelch, f.SquelchLevel);
    showIndex(cbTxTimeout, f.TxTimeout);
    showIndex(cbVoice, f.VoiceLanguage);
    chVoxFun->setChecked(f.VoxEnabled == 1);
    Panel1->setEnabled(chVoxFun->isChecked());
    chVoxInhibit->setChecked(f.VoxInhibitOnReceive == 1);
    seVoxLevel->setValue(f.VoxLevel + 1);
    m_voxLevelChosen = false;
    showIndex(cxWaveof, f.VoicePrompt);
    showIndex(cxScan, f.ScanMode);
    showIndex(cbMonikey, f.SideKey);
    showIndex(cxAlt, f.Alarm);
    showIndex(cxFM, f.FmRadio);
}

void TfBFunSet::SaveToFun()
{
    TFun &f = *Fun;
    f.BatterySave = cbBattSave->isChecked() ? 1 : 0;
    f.BeepTone = cbBeepTone->isChecked() ? 1 : 0;
    f.HighVolInhibitTx = cbVolhigh->isChecked() ? 1 : 0;
    f.LowVolInhibitTx = cbVolLow->isChecked() ? 1 : 0;
    storeIndex(cbSQvelch, f.SquelchLevel);
    storeIndex(cbTxTimeout, f.TxTimeout);
    storeIndex(cbVoice, f.VoiceLanguage);
    f.VoxEnabled = chVoxFun->isChecked() ? 1 : 0;
    f.VoxInhibitOnReceive = chVoxInhibit->isChecked() ? 1 : 0;
    const bool levelShown = f.VoxLevel >= 0 && f.VoxLevel <= 4;
    if (levelShown || m_voxLevelChosen)
        f.VoxLevel = seVoxLevel->value() - 1;
    storeIndex(cxWaveof, f.VoicePrompt);
    storeIndex(cxScan, f.ScanMode);
    storeIndex(cbMonikey, f.SideKey);
    storeIndex(cxAlt, f.Alarm);
    storeIndex(cxFM, f.FmRadio);
    ALL->Modified = true;
}

void TfBFunSet::chVoxFunClick()
{
    Panel1->setEnabled(chVoxFun->isChecked());
}

void TfBFunSet::btnOkClick()
{
    SaveToFun();
    accept();
}

void TfBFunSet::btnCancelClick()
{
    reject();
}

void TfBFunSet::AppendPrintRows(TMemTable &body)
{
    InitControls();
    const auto onOff = [](const QCheckBox *box) { return box->isChecked() ? Language->Open : Language->Close; };
    const QList<std::pair<QString, QString>> rows = {
        {cbBattSave->text(), onOff(cbBattSave)},
        {cbBeepTone->text(), onOff(cbBeepTone)},
        {cbVolhigh->text(), onOff(cbVolhigh)},
        {cbVolLow->text(), onOff(cbVolLow)},
        {Label1->text(), cbSQvelch->currentText()},
        {Label2->text(), cbMonikey->currentText()},
        {Label3->text(), cbTxTimeout->currentText()},
        {Label5->text(), cxScan->currentText()},
        {Label4->text(), cxWaveof->currentText()},
        {Label10->text(), cbVoice->currentText()},
        {Label6->text(), cxAlt->currentText()},
        {Label7->text(), cxFM->currentText()},
        {chVoxFun->text(), onOff(chVoxFun)},
        {Label8->text(), seVoxLevel->text()},
        {chVoxInhibit->text(), onOff(chVoxInhibit)},
    };
    for (const auto &[field, value] : rows)
        body.Append({{QStringLiteral("TypeID"), 9},
                     {QStringLiteral("TypeName"), windowTitle()},
                     {QStringLiteral("AField"), field},
                     {QStringLiteral("AValue"), value},
                     {QStringLiteral("BField"), QString()},
                     {QStringLiteral("BValue"), QString()}});
}

void OpenFunctionSettings(QWidget *parent)
{
    TfBFunSet dialog(parent);
    dialog.exec();
}
