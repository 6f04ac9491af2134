#include "settings/TfTestFrequency.h"

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/Utilities.h"
#include "channels/CellGrid.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/TTestFre.h"
#include "i18n/FormLanguage.h"
#include "i18n/TLanguage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

constexpr int TestChannels = 16;
constexpr int RxCol = 2;
constexpr int TxCol = 3;

} // namespace

TfTestFrequency::TfTestFrequency(QWidget *parent)
    : QDialog(parent),
      m_cells(new ChannelTable(this))
{
    setObjectName(QStringLiteral("fTestFrequency"));
    setWindowTitle(QStringLiteral("Test Frequency"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(290, 380);

    gvData = new CellGrid(this);
    gvData->setObjectName(QStringLiteral("gvData"));
    gvData->setTable(m_cells);
    Label1 = new QLabel(QStringLiteral("Test Frequency mismatch.\nExecute read data from radio or write to radio."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->hide();
    btnOk = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnOk->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    // The three columns and the scroll bar fill the window's width.
    layout->setContentsMargins(4, 4, 4, 8);
    layout->addWidget(gvData, 1);
    layout->addLayout(buttons);

    // Grid settings made before the window is shown.
    SetupGrid();
    gvData->setSetTextHandler([this](int col, int row, QString &text) { gvDataSetForeText(col, row, text); });
    gvData->setKeyHandler([](QChar &key) {
        const bool allowed = key.isDigit() || key == QLatin1Char('.') || key == QLatin1Char('\b')
                          || key == QLatin1Char('\r');
        if (key == QLatin1Char(','))
            key = QLatin1Char('.');
        else if (!allowed || key.unicode() > 127)
            key = QChar();
    });
    // Numeric cells: at most five digits before and five after the point, no sign.
    gvData->editor()->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}(\\.[0-9]{0,5})?")), gvData->editor()));

    connect(btnOk, &QPushButton::clicked, this, &TfTestFrequency::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfTestFrequency::btnCancelClick);
}

void TfTestFrequency::SetupGrid()
{
    ChannelTable &t = *m_cells;
    t.beginUpdate();
    t.setColCount(4);
    t.setRowCount(TestChannels + 2);
    t.setFixedRows(1);
    t.setFixedCols(1);
    t.setColumnWidth(1, 60);
    t.setColumnWidth(RxCol, 100);
    t.setColumnWidth(TxCol, 100);
    t.setText(1, 1, QStringLiteral("信道"));
    t.setText(RxCol, 1, QStringLiteral("接收[MHz]"));
    t.setText(TxCol, 1, QStringLiteral("发射[MHz]"));
    for (int r = 0; r < t.rowCount(); ++r)
        for (int c = 0; c < t.colCount(); ++c) {
            const bool fixed = r <= 1 || c <= 1;
            t.setReadOnly(c, r, fixed);
            t.setShade(c, r, fixed ? CellShade::ButtonFace : CellShade::Normal);
            t.setAlignment(c, r, (r == 1 || c == 1) ? Qt::Alignment(Qt::AlignCenter)
                                                     : Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        }
    for (int n = 1; n <= TestChannels; ++n)
        t.setText(1, n + 1, QString::number(n));
    t.endUpdate();
    gvData->setDefaultRowHeight(22);
    gvData->setColumnsResizable(true);
    gvData->setEditingEnabled(true);
}

void TfTestFrequency::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfTestFrequency::FormShow()
{
    m_closing = false;
    InitControls();
    Edited = false;
}

void TfTestFrequency::InitControls()
{
    SetupGrid();
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, true);
    LoadFromTestFre();
}

void TfTestFrequency::LoadFromTestFre()
{
    for (int n = 1; n <= TestChannels; ++n) {
        m_cells->setText(RxCol, n + 1, TestFre->RxFreq[n]);
        m_cells->setText(TxCol, n + 1, TestFre->TxFreq[n]);
    }
}

void TfTestFrequency::SaveToTestFre()
{
    for (int n = 1; n <= TestChannels; ++n) {
        TestFre->RxFreq[n] = m_cells->text(RxCol, n + 1);
        TestFre->TxFreq[n] = m_cells->text(TxCol, n + 1);
    }
}

void TfTestFrequency::gvDataSetForeText(int col, int row, QString &text)
{
    double v = 0.0;
    if (!ParseNumber(text, v)) {
        const QString typed = text;
        // The cell keeps what it held; the commit does not count as an edit.
        text = m_cells->text(col, row);
        ShowMessage(ALL->ProductTitle, QStringLiteral("'%1' is not a valid floating point value").arg(typed),
                    MsgInformation);
        return;
    }
    bool replaced = false;
    if (v > ALL->ModelFreqLimitA) {
        v = ALL->BandHigh;
        replaced = true;
    } else if (v < ALL->ModelFreqLimitB) {
        v = ALL->BandLow;
        replaced = true;
    }
    if (replaced)
        ShowMessage(Language->Caution, Language->ErrRange, MsgInformation);
    if (v > ALL->BandHigh || v < ALL->BandLow)
        ShowMessage(Language->Caution, Language->OutRange, MsgInformation);
    text = FormatFrequency(v);
    Edited = true;
}

void TfTestFrequency::FormCloseQuery()
{
    if (Edited)
        ShowMessage(Language->Confirmation, Label1->text(), MsgInformation);
}

void TfTestFrequency::done(int result)
{
    // OK, Cancel, Escape and the close box all end here, and each tells about an edit once.
    if (!m_closing) {
        m_closing = true;
        gvData->endEditing(result == QDialog::Accepted);
        FormCloseQuery();
    }
    QDialog::done(result);
}

void TfTestFrequency::btnOkClick()
{
    gvData->endEditing(true);
    SaveToTestFre();
    accept();
}

void TfTestFrequency::btnCancelClick()
{
    reject();
}

void OpenTestFrequency(QWidget *parent)
{
    TfTestFrequency dialog(parent);
    dialog.exec();
}
