#include "channels/TfBBatchEdit.h"

#include "app/FormBuilding.h"
#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "app/Utilities.h"
#include "channels/ChannelSpinBox.h"
#include "channels/DialogCells.h"
#include "channels/FrequencyBox.h"
#include "channels/TfToneOption.h"
#include "channels/ToneBox.h"
#include "codeplug/ChannelTable.h"
#include "i18n/FormLanguage.h"
#include "i18n/TLanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QStringList yesNo = {QStringLiteral("Yes"), QStringLiteral("No")};

} // namespace

TfBBatchEdit::TfBBatchEdit(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fBBatchEdit"));
    setWindowTitle(QStringLiteral("Batch Channel Edit"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(531, 291);

    eReceive = named(new FrequencyBox(this), "eReceive");
    eReceive->setFrequencyText(FormatFrequency(0.0));
    eSend = named(new FrequencyBox(this), "eSend");
    eSend->setFrequencyText(FormatFrequency(0.0));
    cbJg = makeList(this, "cbJg",
                    {QStringLiteral("25.0"), QStringLiteral("12.5"), QStringLiteral("6.25"), QStringLiteral("5.00")}, 0);
    SetTag(cbJg, -2);
    cbQT = named(new ToneBox(this), "cbQT");
    cbDQT = named(new ToneBox(this), "cbDQT");
    cbkz = makeList(this, "cbkz", {QStringLiteral("Wide"), QStringLiteral("Narrow")}, 0);
    cbfsgl = makeList(this, "cbfsgl", {QStringLiteral("Low"), QStringLiteral("High")}, 1);
    chsmtj = named(new QCheckBox(QStringLiteral("Scan Add"), this), "chsmtj");
    chpppy = named(new QCheckBox(QStringLiteral("Beat Shift"), this), "chpppy");
    chfm = named(new QCheckBox(QStringLiteral("Busy Lockout"), this), "chfm");
    cbsmtj = makeList(this, "cbsmtj", yesNo, 1);
    cbpppy = makeList(this, "cbpppy", yesNo, 1);
    cbfm = makeList(this, "cbfm", yesNo, 1);
    for (QComboBox *hidden : {cbsmtj, cbpppy, cbfm})
        hidden->hide();

    auto *range = named(new QGroupBox(this), "GroupBox1");
    rall = named(new QRadioButton(QStringLiteral("&All Channel"), range), "rall");
    rOne = named(new QRadioButton(QStringLiteral("&Channel"), range), "rOne");
    rall->setChecked(true);
    pPd = named(new QWidget(range), "pPd");
    seFrom = named(new ChannelSpinBox(pPd), "seFrom");
    seTo = named(new ChannelSpinBox(pPd), "seTo");
    for (ChannelSpinBox *spin : {seFrom, seTo}) {
        spin->setRange(1, 188);
        spin->setValue(1);
    }
    pPd->setEnabled(false);
    auto *order = named(new QGroupBox(this), "GroupBox2");
    rasc = named(new QRadioButton(QStringLiteral("ASC"), order), "rasc");
    rdesc = named(new QRadioButton(QStringLiteral("DESC"), order), "rdesc");
    rasc->setChecked(true);
    btnOk = named(new QPushButton(QStringLiteral("&Ok"), this), "btnOk");
    btnCancel = named(new QPushButton(QStringLiteral("&Cancel"), this), "btnCancel");
    btnOk->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto *fields = new QGridLayout;
    fields->addWidget(makeLabel(this, "Label1", QStringLiteral("Incept RX Frequency(MHz)")), 0, 0);
    fields->addWidget(eReceive, 0, 1);
    fields->addWidget(makeLabel(this, "Label2", QStringLiteral("Incept TX Frequency(MHz)")), 1, 0);
    fields->addWidget(eSend, 1, 1);
    fields->addWidget(makeLabel(this, "Label3", QStringLiteral("Frequency Step(KHz)")), 2, 0);
    fields->addWidget(cbJg, 2, 1);
    fields->addWidget(makeLabel(this, "Label4", QStringLiteral("QT/DQT Decode")), 3, 0);
    fields->addWidget(cbQT, 3, 1);
    fields->addWidget(makeLabel(this, "Label5", QStringLiteral("QT/DQT Encode")), 4, 0);
    fields->addWidget(cbDQT, 4, 1);
    fields->addWidget(makeLabel(this, "Label6", QStringLiteral("Wide/Narrow")), 5, 0);
    fields->addWidget(cbkz, 5, 1);
    fields->addWidget(makeLabel(this, "Label7", QStringLiteral("TX Power")), 6, 0);
    fields->addWidget(cbfsgl, 6, 1);

    auto *rangeLayout = new QGridLayout(range);
    rangeLayout->addWidget(rall, 0, 0);
    rangeLayout->addWidget(rOne, 1, 0);
    auto *fromTo = new QHBoxLayout(pPd);
    fromTo->setContentsMargins(0, 0, 0, 0);
    auto *lFrom = makeLabel(pPd, "Label8", QStringLiteral("&From"));
    auto *lTo = makeLabel(pPd, "Label9", QStringLiteral("&To"));
    lFrom->setBuddy(seFrom);
    lTo->setBuddy(seTo);
    fromTo->addWidget(lFrom);
    fromTo->addWidget(seFrom);
    fromTo->addWidget(lTo);
    fromTo->addWidget(seTo);
    rangeLayout->addWidget(pPd, 1, 1);
    auto *orderLayout = new QHBoxLayout(order);
    orderLayout->addWidget(rasc);
    orderLayout->addWidget(rdesc);

    auto *right = new QVBoxLayout;
    right->addWidget(chsmtj);
    right->addWidget(chpppy);
    right->addWidget(chfm);
    right->addWidget(range);
    right->addWidget(order);
    right->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(right);

    connect(eReceive, &FrequencyBox::valueCommitted, this, &TfBBatchEdit::eReceivePropertiesEditValueChanged);
    connect(eSend, &FrequencyBox::valueCommitted, this, &TfBBatchEdit::eSendPropertiesEditValueChanged);
    connect(cbQT, &ToneBox::valueCommitted, this, &TfBBatchEdit::cbQTExit);
    connect(cbDQT, &ToneBox::valueCommitted, this, &TfBBatchEdit::cbDQTExit);
    connect(cbQT, &ToneBox::doubleClicked, this, &TfBBatchEdit::cbQTDblClick);
    connect(cbDQT, &ToneBox::doubleClicked, this, &TfBBatchEdit::cbDQTDblClick);
    connect(chsmtj, &QCheckBox::clicked, this, &TfBBatchEdit::chsmtjClick);
    connect(chpppy, &QCheckBox::clicked, this, &TfBBatchEdit::chpppyClick);
    connect(chfm, &QCheckBox::clicked, this, &TfBBatchEdit::chfmClick);
    connect(rall, &QRadioButton::toggled, this, &TfBBatchEdit::rangeChoice);
    connect(rOne, &QRadioButton::toggled, this, &TfBBatchEdit::rangeChoice);
    connect(btnOk, &QPushButton::clicked, this, &TfBBatchEdit::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfBBatchEdit::btnCancelClick);
}

void TfBBatchEdit::setChannelCount(int count)
{
    seFrom->setMaximum(qMax(count, 1));
    seTo->setMaximum(qMax(count, 1));
}

void TfBBatchEdit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfBBatchEdit::FormShow()
{
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, true);
}

void TfBBatchEdit::snapBox(FrequencyBox *box)
{
    double f = 0.0;
    if (ParseNumber(box->text(), f))
        box->setFrequencyText(FormatFrequency(SnapFrequency(f)));
}

void TfBBatchEdit::eReceivePropertiesEditValueChanged()
{
    snapBox(eReceive);
}

void TfBBatchEdit::eSendPropertiesEditValueChanged()
{
    snapBox(eSend);
}

void TfBBatchEdit::cbQTExit()
{
    cbQT->CheckTone();
}

void TfBBatchEdit::cbDQTExit()
{
    cbDQT->CheckTone();
}

void TfBBatchEdit::pickTone(ToneBox *box)
{
    const QString picked = PickTone(this);
    if (picked.isEmpty())
        return;
    box->setToneText(picked);
    box->CheckTone();
}

void TfBBatchEdit::cbQTDblClick()
{
    pickTone(cbQT);
}

void TfBBatchEdit::cbDQTDblClick()
{
    pickTone(cbDQT);
}

void TfBBatchEdit::chsmtjClick()
{
    cbsmtj->setCurrentIndex(chsmtj->isChecked() ? 0 : 1);
}

void TfBBatchEdit::chpppyClick()
{
    cbpppy->setCurrentIndex(chpppy->isChecked() ? 0 : 1);
}

void TfBBatchEdit::chfmClick()
{
    cbfm->setCurrentIndex(chfm->isChecked() ? 0 : 1);
}

void TfBBatchEdit::rangeChoice()
{
    pPd->setEnabled(rOne->isChecked());
}

bool TfBBatchEdit::CheckBatch()
{
    double rx = 0.0;
    double tx = 0.0;
    if (!ParseNumber(eReceive->text(), rx) || !ParseNumber(eSend->text(), tx))
        return false;
    if (!rOne->isChecked())
        return true;
    if (seFrom->value() > seTo->value()) {
        ShowMessage(Language->Confirmation, Language->FChBigT, MsgInformation);
        return false;
    }
    const auto outside = [](double f) { return f > ALL->ModelFreqLimitA || f < ALL->ModelFreqLimitB; };
    if (outside(rx) || outside(tx)) {
        ShowMessage(Language->Caution, Language->ErrRange, MsgInformation);
        return false;
    }
    return true;
}

void TfBBatchEdit::ApplyBatch()
{
    const int from = rOne->isChecked() ? seFrom->value() : 1;
    const int to = rOne->isChecked() ? seTo->value() : seTo->maximum();
    double rx = 0.0;
    double tx = 0.0;
    double step = 0.0;
    if (!ParseNumber(eReceive->text(), rx) || !ParseNumber(eSend->text(), tx) || !ParseNumber(cbJg->currentText(), step)) {
        ShowMessage(Language->Caution, Language->ErrRange, MsgInformation);
        return;
    }
    step /= 1000.0;
    if (rdesc->isChecked())
        step = -step;

    ChannelTable &t = *Channels;
    const QString none = t.noToneText();
    t.beginUpdate();
    for (int c = from; c <= to; ++c) {
        const int r = c + 1;
        if (r >= t.rowCount())
            break;
        rx = qBound(ALL->ModelFreqLimitB, rx, ALL->ModelFreqLimitA);
        tx = qBound(ALL->ModelFreqLimitB, tx, ALL->ModelFreqLimitA);
        t.setText(ColRx, r, FormatFrequency(SnapFrequency(rx)));
        t.setText(ColTx, r, FormatFrequency(SnapFrequency(tx)));
        t.setText(ColDecode, r, cbQT->cellText(none));
        t.setText(ColEncode, r, cbDQT->cellText(none));
        for (auto [col, list] : {std::pair{int(ColPower), cbfsgl}, std::pair{int(ColWidth), cbkz},
                                 std::pair{int(ColScanAdd), cbsmtj}, std::pair{int(ColBeatShift), cbpppy},
                                 std::pair{int(ColBusyLockout), cbfm}}) {
            t.setText(col, r, ListCellText(t, col, list));
            t.setValue(col, r, QString::number(list->currentIndex()));
        }
        t.setValue(ColNumber, r, QStringLiteral("1"));
        ALL->Modified = true;
        rx += step;
        tx += step;
    }
    for (int r = FirstChannelRow; r < t.rowCount(); ++r)
        t.setReadOnly(ColTx, r, false);
    t.endUpdate();
}

void TfBBatchEdit::btnOkClick()
{
    if (CheckBatch())
        ApplyBatch();
}

void TfBBatchEdit::btnCancelClick()
{
    close();
}

void OpenBatchEdit(QWidget *parent, int channelCount)
{
    TfBBatchEdit dialog(parent);
    dialog.setChannelCount(channelCount);
    dialog.exec();
}
