#include "channels/TfToneOption.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "channels/CellGrid.h"
#include "channels/ToneCodes.h"
#include "codeplug/ChannelTable.h"
#include "i18n/FormLanguage.h"

#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>

namespace {

constexpr quint32 CtcssCodeColor = 0xF98DE3;  // RGB(249, 141, 227)
constexpr quint32 CtcssLabelColor = 0xE1F970; // RGB(225, 249, 112)
constexpr quint32 DcsNumberColor = 0x2FE7DC;  // RGB(47, 231, 220)
constexpr quint32 White = 0xFFFFFF;
constexpr int CtcssEntries = 45;
constexpr int CtcssGroups = 5;
constexpr int CtcssRows = 9;
constexpr int DcsGroups = 8;
constexpr int DcsRows = 11;

CellGrid *makeGrid(QWidget *parent, const QString &name, ChannelTable *table, int cols, int rows, int rowHeight)
{
    table->setColCount(cols);
    table->setRowCount(rows);
    auto *grid = new CellGrid(parent);
    grid->setObjectName(name);
    SetTag(grid, -2);
    grid->setTable(table);
    grid->setEditingEnabled(false);
    grid->setDefaultRowHeight(rowHeight);
    grid->setFocusedTitleColor(QColor());
    return grid;
}

// Every cell centred and framed; the pick column marked by value "1" in its row-1 cell.
void finishTable(ChannelTable &t)
{
    for (int r = 1; r < t.rowCount(); ++r)
        for (int c = 1; c < t.colCount(); ++c) {
            t.setAlignment(c, r, Qt::AlignCenter);
            t.setBorders(c, r, true);
            t.setReadOnly(c, r, true);
        }
}

} // namespace

TfToneOption::TfToneOption(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("fToneOption"));
    setWindowTitle(QStringLiteral("Channel Tone Option"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(585, 308);

    auto *voice = new QGroupBox(QStringLiteral("Channel Voice Selection"), this);
    voice->setObjectName(QStringLiteral("GroupBox1"));
    voice->setGeometry(8, 4, 569, 48);
    rCTCSS = new QRadioButton(QStringLiteral("CTCSS"), voice);
    rCTCSS->setObjectName(QStringLiteral("rCTCSS"));
    SetTag(rCTCSS, 0);
    rCTCSS->setGeometry(24, 20, 170, 22);
    rCTCSS->setChecked(true);
    rDCSN = new QRadioButton(QStringLiteral("DCS-N"), voice);
    rDCSN->setObjectName(QStringLiteral("rDCSN"));
    SetTag(rDCSN, 1);
    rDCSN->setGeometry(200, 20, 170, 22);
    rDCSI = new QRadioButton(QStringLiteral("DCS-I"), voice);
    rDCSI->setObjectName(QStringLiteral("rDCSI"));
    SetTag(rDCSI, 2);
    rDCSI->setGeometry(376, 20, 170, 22);
    for (QRadioButton *b : {rCTCSS, rDCSN, rDCSI})
        connect(b, &QRadioButton::clicked, this, [this, b] { rCTCSSClick(b); });

    lbSel = new QListWidget(this);
    lbSel->setObjectName(QStringLiteral("lbSel"));
    lbSel->addItems({QStringLiteral("CTCSS"), QStringLiteral("DCS-N"), QStringLiteral("DCS-I")});
    lbSel->hide();

    lbValue = new QListWidget(this);
    lbValue->setObjectName(QStringLiteral("lbValue"));
    SetTag(lbValue, -2);
    lbValue->addItems(PickerToneValues());
    lbValue->hide();

    gbList = new QGroupBox(QStringLiteral(" Code List"), this);
    gbList->setObjectName(QStringLiteral("gbList"));
    gbList->setGeometry(8, 56, 569, 246);

    m_ctcss = new ChannelTable(this);
    m_dcsN = new ChannelTable(this);
    m_dcsI = new ChannelTable(this);
    gvCtcss = makeGrid(gbList, QStringLiteral("gvCtcss"), m_ctcss, 16, 10, 24);
    gvDcsN = makeGrid(gbList, QStringLiteral("gvDcsN"), m_dcsN, 17, 12, 20);
    gvDcsI = makeGrid(gbList, QStringLiteral("gvDcsI"), m_dcsI, 17, 12, 20);
    for (CellGrid *g : {gvCtcss, gvDcsN, gvDcsI})
        g->setGeometry(6, 18, 557, 222);
    connect(gvCtcss, &CellGrid::cellDoubleClicked, this, &TfToneOption::gvCtcssDblClick);
    connect(gvDcsN, &CellGrid::cellDoubleClicked, this, &TfToneOption::gvDcsNDblClick);
    connect(gvDcsI, &CellGrid::cellDoubleClicked, this, &TfToneOption::gvDcsIDblClick);
    gvDcsN->hide();
    gvDcsI->hide();
}

void TfToneOption::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfToneOption::FormShow()
{
    fillCtcss();
    fillDcs();
    PickedTone.clear();
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, false);
    rCTCSSClick(this);
}

void TfToneOption::fillCtcss()
{
    ChannelTable &t = *m_ctcss;
    t.beginUpdate();
    QStringList values;
    for (int i = 0; i < lbValue->count(); ++i)
        values.append(lbValue->item(i)->text());
    const quint32 colors[3] = {CtcssCodeColor, White, CtcssLabelColor};
    const int widths[3] = {32, 43, 32};
    for (int g = 1; g <= CtcssGroups; ++g) {
        for (int k = 0; k < 3; ++k) {
            const int c = 3 * g - 2 + k;
            t.setColumnWidth(c, widths[k]);
            for (int r = 1; r < t.rowCount(); ++r)
                t.setBackground(c, r, colors[k]);
        }
        t.setValue(3 * g - 1, 1, QStringLiteral("1"));
        for (int r = 1; r <= CtcssRows; ++r) {
            const int entry = (g - 1) * CtcssRows + r - 1;
            const QStringList parts = entry < CtcssEntries ? values.value(entry).split(QLatin1Char('-')) : QStringList();
            t.setText(3 * g - 2, r, parts.value(0));
            t.setText(3 * g - 1, r, parts.value(1));
            t.setText(3 * g, r, parts.value(2));
            t.setBold(3 * g - 1, r, true);
        }
    }
    finishTable(t);
    t.endUpdate();
}

void TfToneOption::fillDcs()
{
    m_dcsN->beginUpdate();
    m_dcsI->beginUpdate();
    for (int g = 1; g <= DcsGroups; ++g) {
        for (ChannelTable *t : {m_dcsN, m_dcsI}) {
            t->setColumnWidth(2 * g - 1, 25);
            t->setColumnWidth(2 * g, 43);
            for (int r = 1; r < t->rowCount(); ++r) {
                t->setBackground(2 * g - 1, r, DcsNumberColor);
                t->setBackground(2 * g, r, White);
            }
            t->setValue(2 * g, 1, QStringLiteral("1"));
        }
        for (int r = 1; r <= DcsRows; ++r) {
            const int entry = CtcssEntries + (g - 1) * DcsRows + r - 1;
            const QString text = entry < lbValue->count() ? lbValue->item(entry)->text() : QString();
            const QStringList parts = text.split(QLatin1Char('-'));
            const QString number = text.isEmpty() ? QString() : parts.value(0);
            const QString code = text.isEmpty() ? QString() : parts.value(1);
            m_dcsN->setText(2 * g - 1, r, number);
            m_dcsI->setText(2 * g - 1, r, number);
            m_dcsN->setText(2 * g, r, code.isEmpty() ? QString() : code + QLatin1Char('N'));
            m_dcsI->setText(2 * g, r, code.isEmpty() ? QString() : code + QLatin1Char('I'));
            m_dcsN->setBold(2 * g, r, true);
            m_dcsI->setBold(2 * g, r, true);
        }
    }
    finishTable(*m_dcsN);
    finishTable(*m_dcsI);
    m_dcsI->endUpdate();
    m_dcsN->endUpdate();
}

void TfToneOption::rCTCSSClick(QObject *sender)
{
    gbList->setEnabled(false);
    gvCtcss->setVisible(rCTCSS->isChecked());
    gvDcsI->setVisible(rDCSI->isChecked());
    gvDcsN->setVisible(rDCSN->isChecked());
    if (QListWidgetItem *item = lbSel->item(TagOf(sender)))
        gbList->setTitle(item->text());
    gbList->setEnabled(true);
}

void TfToneOption::pick(CellGrid *grid)
{
    ChannelTable *t = grid->table();
    if (t->value(grid->currentCol(), 1) != QLatin1String("1"))
        return;
    PickedTone = t->text(grid->currentCol(), grid->currentRow());
    accept();
}

void TfToneOption::gvCtcssDblClick()
{
    pick(gvCtcss);
}

void TfToneOption::gvDcsNDblClick()
{
    pick(gvDcsN);
}

void TfToneOption::gvDcsIDblClick()
{
    pick(gvDcsI);
}

QString PickTone(QWidget *parent)
{
    TfToneOption picker(parent);
    picker.exec();
    return picker.PickedTone;
}
