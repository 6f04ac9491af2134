#include "channels/TfBInfoEdit.h"

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
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

namespace {

const QStringList yesNo = {QStringLiteral("Yes"), QStringLiteral("No")};

} // namespace

TfBInfoEdit::TfBInfoEdit(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fBInfoEdit"));
    setWindowTitle(QStringLiteral("Channel Edit"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(382, 238);

    sexd = new ChannelSpinBox(this);
    sexd->setObjectName(QStringLiteral("sexd"));
    sexd->setRange(1, 188);
    sexd->setValue(1);
    eReceive = new FrequencyBox(this);
    eReceive->setObjectName(QStringLiteral("eReceive"));
    eReceive->setFrequencyText(FormatFrequency(0.0));

    pMain = new QWidget(this);
    pMain->setObjectName(QStringLiteral("pMain"));
    eSend = new FrequencyBox(pMain);
    eSend->setObjectName(QStringLiteral("eSend"));
    eSend->setFrequencyText(FormatFrequency(0.0));
    SetTag(eSend, 0);
    cbQT = new ToneBox(pMain);
    cbQT->setObjectName(QStringLiteral("cbQT"));
    cbDQT = new ToneBox(pMain);
    cbDQT->setObjectName(QStringLiteral("cbDQT"));
    cbkz = makeList(pMain, "cbkz", {QStringLiteral("Wide"), QStringLiteral("Narrow")}, 0);
    cbfsgl = makeList(pMain, "cbfsgl", {QStringLiteral("Low"), QStringLiteral("High")}, 1);
    chsmtj = new QCheckBox(QStringLiteral("Scan Add"), pMain);
    chsmtj->setObjectName(QStringLiteral("chsmtj"));
    chpppy = new QCheckBox(QStringLiteral("Beat Shift"), pMain);
    chpppy->setObjectName(QStringLiteral("chpppy"));
    chfm = new QCheckBox(QStringLiteral("Busy Lockout"), pMain);
    chfm->setObjectName(QStringLiteral("chfm"));
    // Hidden: they carry the Yes/No text and index of the check boxes into the table.
    cbsmtj = makeList(this, "cbsmtj", yesNo, 1);
    cbpppy = makeList(this, "cbpppy", yesNo, 1);
    cbfm = makeList(this, "cbfm", yesNo, 1);
    for (QComboBox *hidden : {cbsmtj, cbpppy, cbfm})
        hidden->hide();
    btnClose = new QPushButton(QStringLiteral("&Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(false);

    auto *top = new QGridLayout;
    top->addWidget(makeLabel(this, "Label1", QStringLiteral("Channel No.")), 0, 0);
    top->addWidget(sexd, 0, 1);
    top->addWidget(makeLabel(this, "Label2", QStringLiteral("RX Frequency")), 1, 0);
    top->addWidget(eReceive, 1, 1);
    auto *grid = new QGridLayout(pMain);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(makeLabel(pMain, "Label3", QStringLiteral("TX Frequency")), 0, 0);
    grid->addWidget(eSend, 0, 1);
    grid->addWidget(makeLabel(pMain, "Label4", QStringLiteral("QT/DQT Deconde")), 1, 0);
    grid->addWidget(cbQT, 1, 1);
    grid->addWidget(makeLabel(pMain, "Label5", QStringLiteral("QT/DQT Encode")), 2, 0);
    grid->addWidget(cbDQT, 2, 1);
    grid->addWidget(makeLabel(pMain, "Label6", QStringLiteral("Wide/Narrow")), 3, 0);
    grid->addWidget(cbkz, 3, 1);
    grid->addWidget(makeLabel(pMain, "Label7", QStringLiteral("TX Power")), 4, 0);
    grid->addWidget(cbfsgl, 4, 1);
    auto *checks = new QVBoxLayout;
    checks->addWidget(chsmtj);
    checks->addWidget(chpppy);
    checks->addWidget(chfm);
    checks->addStretch();
    grid->addLayout(checks, 0, 2, 5, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pMain);
    layout->addLayout(buttons);

    connect(sexd, &QSpinBox::valueChanged, this, &TfBInfoEdit::sexdChange);
    connect(eReceive, &FrequencyBox::valueCommitted, this, &TfBInfoEdit::eReceivePropertiesEditValueChanged);
    connect(eSend, &FrequencyBox::valueCommitted, this, &TfBInfoEdit::eSendPropertiesEditValueChanged);
    connect(cbQT, &ToneBox::valueCommitted, this, &TfBInfoEdit::cbQTExit);
    connect(cbDQT, &ToneBox::valueCommitted, this, &TfBInfoEdit::cbDQTExit);
    connect(cbQT, &ToneBox::doubleClicked, this, &TfBInfoEdit::cbQTDblClick);
    connect(cbDQT, &ToneBox::doubleClicked, this, &TfBInfoEdit::cbDQTDblClick);
    connect(cbkz, &QComboBox::activated, this, &TfBInfoEdit::cbkzChange);
    connect(cbfsgl, &QComboBox::activated, this, &TfBInfoEdit::cbkzChange);
    connect(chsmtj, &QCheckBox::clicked, this, &TfBInfoEdit::chsmtjClick);
    connect(chpppy, &QCheckBox::clicked, this, &TfBInfoEdit::chpppyClick);
    connect(chfm, &QCheckBox::clicked, this, &TfBInfoEdit::chfmClick);
    connect(btnClose, &QPushButton::clicked, this, &TfBInfoEdit::btnCloseClick);
}

TfBInfoEdit::~TfBInfoEdit()
{
    // Hiding a dying dialog moves the focus out of its boxes; that is no edit of the user's.
    Loading = true;
}

void TfBInfoEdit::setChannelCount(int count)
{
    sexd->setMaximum(qMax(count, 1));
}

void TfBInfoEdit::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfBInfoEdit::FormShow()
{
    Loading = true;
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, true);
    Loading = false;
    sexd->setValue(StartChannel);
    LoadChannel();
}

int TfBInfoEdit::row() const
{
    return sexd->value() + 1;
}

void TfBInfoEdit::sexdChange()
{
    LoadChannel();
}

void TfBInfoEdit::LoadChannel()
{
    Loading = true;
    const int r = row();
    const ChannelTable &t = *Channels;
    eReceive->setFrequencyText(t.text(ColRx, r));
    if (!eReceive->text().trimmed().isEmpty()) {
        pMain->setEnabled(true);
        eSend->setFrequencyText(t.text(ColTx, r));
        const QString none = t.noToneText();
        for (auto [box, col] : {std::pair{cbQT, int(ColDecode)}, std::pair{cbDQT, int(ColEncode)}}) {
            if (t.text(col, r) != none)
                box->setToneText(t.text(col, r));
            else
                box->selectItem(0);
        }
        cbfsgl->setCurrentIndex(t.value(ColPower, r).toInt());
        cbkz->setCurrentIndex(t.value(ColWidth, r).toInt());
        for (auto [list, check, col] : {std::tuple{cbsmtj, chsmtj, int(ColScanAdd)},
                                        std::tuple{cbpppy, chpppy, int(ColBeatShift)},
                                        std::tuple{cbfm, chfm, int(ColBusyLockout)}}) {
            list->setCurrentIndex(t.value(col, r).toInt());
            check->setChecked(list->currentIndex() != 1);
        }
    } else {
        pMain->setEnabled(false);
        ResetControls();
    }
    Loading = false;
}

void TfBInfoEdit::ResetControls()
{
    eReceive->setFrequencyText(QString());
    eSend->setFrequencyText(QString());
    cbQT->selectItem(0);
    cbDQT->selectItem(0);
    cbkz->setCurrentIndex(0);
    for (QComboBox *list : {cbfm, cbsmtj, cbpppy})
        list->setCurrentIndex(1);
    for (QCheckBox *check : {chfm, chsmtj, chpppy})
        check->setChecked(false);
}

void TfBInfoEdit::StoreChannel()
{
    if (Loading)
        return;
    const int r = row();
    ChannelTable &t = *Channels;
    t.beginUpdate();
    if (!eReceive->text().isEmpty()) {
        t.setText(ColRx, r, eReceive->text());
        t.setText(ColTx, r, eSend->text());
        t.setText(ColDecode, r, cbQT->cellText(t.noToneText()));
        t.setText(ColEncode, r, cbDQT->cellText(t.noToneText()));
        for (auto [col, list] : {std::pair{int(ColPower), cbfsgl}, std::pair{int(ColWidth), cbkz},
                                 std::pair{int(ColScanAdd), cbsmtj}, std::pair{int(ColBeatShift), cbpppy},
                                 std::pair{int(ColBusyLockout), cbfm}}) {
            t.setText(col, r, ListCellText(t, col, list));
            t.setValue(col, r, QString::number(list->currentIndex()));
        }
        t.setValue(ColNumber, r, QStringLiteral("1"));
        t.setReadOnly(ColTx, r, false);
    } else {
        for (int c = ColRx; c < t.colCount(); ++c) {
            t.setText(c, r, QString());
            t.setValue(c, r, QString());
        }
        t.setValue(ColNumber, r, QString());
        t.setReadOnly(ColTx, r, true);
    }
    t.endUpdate();
    ALL->Modified = true;
}

double TfBInfoEdit::checkFrequency(double f) const
{
    bool replaced = false;
    if (f > ALL->ModelFreqLimitA) {
        f = ALL->BandHigh;
        replaced = true;
    } else if (f < ALL->ModelFreqLimitB) {
        f = ALL->BandLow;
        replaced = true;
    }
    if (replaced)
        ShowMessage(Language->Caution, Language->ErrRange, MsgInformation);
    else if (f > ALL->BandHigh || f < ALL->BandLow)
        ShowMessage(Language->Caution, Language->OutRange, MsgInformation);
    return f;
}

void TfBInfoEdit::eReceivePropertiesEditValueChanged()
{
    if (Loading)
        return;
    const QString text = eReceive->text().trimmed();
    if (text.isEmpty()) {
        eReceive->setFrequencyText(QString());
        StoreChannel();
        ResetControls();
        pMain->setEnabled(false);
        return;
    }
    double f = 0.0;
    if (!ParseNumber(text, f)) {
        ShowMessage(Language->Caution, Language->ErrRange, MsgInformation);
        return;
    }
    f = checkFrequency(f);
    eReceive->setFrequencyText(FormatFrequency(SnapFrequency(f)));
    pMain->setEnabled(true);
    if (eSend->text().isEmpty()) {
        SetTag(eSend, 1);
        eSend->setFrequencyText(eReceive->text());
        SetTag(eSend, 0);
    }
    StoreChannel();
}

void TfBInfoEdit::eSendPropertiesEditValueChanged()
{
    if (Loading || TagOf(eSend) != 0)
        return;
    const QString text = eSend->text().trimmed();
    if (!text.isEmpty()) {
        double f = 0.0;
        if (!ParseNumber(text, f)) {
            // A text that is no frequency never reaches the table: the box shows the stored one.
            ShowMessage(Language->Caution, Language->ErrRange, MsgInformation);
            eSend->setFrequencyText(Channels->text(ColTx, row()));
            return;
        }
        f = checkFrequency(f);
        SetTag(eSend, 1);
        eSend->setFrequencyText(FormatFrequency(SnapFrequency(f)));
        SetTag(eSend, 0);
        cbQT->setFocus();
    } else {
        eSend->setFrequencyText(QString());
        cbDQT->selectItem(0);
    }
    StoreChannel();
}

void TfBInfoEdit::cbQTExit()
{
    cbQT->CheckTone();
    StoreChannel();
}

void TfBInfoEdit::cbDQTExit()
{
    cbDQT->CheckTone();
    StoreChannel();
}

void TfBInfoEdit::pickTone(ToneBox *box)
{
    const QString picked = PickTone(this);
    if (picked.isEmpty())
        return;
    box->setToneText(picked);
    if (box == cbQT)
        cbQTExit();
    else
        cbDQTExit();
}

void TfBInfoEdit::cbQTDblClick()
{
    pickTone(cbQT);
}

void TfBInfoEdit::cbDQTDblClick()
{
    pickTone(cbDQT);
}

void TfBInfoEdit::cbkzChange()
{
    StoreChannel();
}

void TfBInfoEdit::yesNoClick(QCheckBox *check, QComboBox *list)
{
    list->setCurrentIndex(check->isChecked() ? 0 : 1);
    StoreChannel();
}

void TfBInfoEdit::chsmtjClick()
{
    yesNoClick(chsmtj, cbsmtj);
}

void TfBInfoEdit::chpppyClick()
{
    yesNoClick(chpppy, cbpppy);
}

void TfBInfoEdit::chfmClick()
{
    yesNoClick(chfm, cbfm);
}

void TfBInfoEdit::btnCloseClick()
{
    close();
}

void OpenChannelEdit(QWidget *parent, int currentRow, int channelCount)
{
    TfBInfoEdit dialog(parent);
    dialog.StartChannel = currentRow - 1;
    dialog.setChannelCount(channelCount);
    dialog.exec();
}
