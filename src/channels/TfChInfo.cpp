#include "channels/TfChInfo.h"

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/Tag.h"
#include "app/Utilities.h"
#include "channels/CellGrid.h"
#include "channels/TfToneOption.h"
#include "channels/ToneCodes.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "i18n/FormLanguage.h"
#include "i18n/TLanguage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

const char *const kColumnDefinitions[] = {
    "Channel No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc", "TX Power", "W/N", "Scan Add",
    "Beat Shift", "Busy Lockout", "80", "90", "90", "80", "80", "70", "70", "70", "70", "80",
    "2", "3", "3", "3", "3", "2", "2", "2", "2", "2"};

QComboBox *makeBox(QWidget *parent, const char *name, int tag, bool editable, const QStringList &items)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    SetTag(box, tag);
    box->setEditable(editable);
    if (editable) {
        box->setInsertPolicy(QComboBox::NoInsert);
        // A typed tone is taken as typed: "88" must not complete to "88.5".
        box->setCompleter(nullptr);
    }
    box->addItems(items);
    box->setMaxVisibleItems(16);
    box->hide();
    return box;
}

QChar decimalSeparator()
{
    return QLocale().decimalPoint().at(0);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

TfChInfo::TfChInfo(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("fChInfo"));
    setWindowTitle(QStringLiteral("Channel Information"));
    resize(870, 521);

    gvData = new CellGrid(this);
    gvData->setObjectName(QStringLiteral("gvData"));
    SetTag(gvData, -2);
    QFont cellFont = gvData->font();
    cellFont.setPointSize(8);
    gvData->setFont(cellFont);
    gvData->setDefaultRowHeight(20);
    gvData->setEditingEnabled(true);
    gvData->setColumnsResizable(true);
    gvData->setFocusedTitleColor(QColor(255, 251, 240));
    gvData->setTable(Channels);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvData);

    BColText = new QListWidget(this);
    BColText->setObjectName(QStringLiteral("BColText"));
    for (const char *t : kColumnDefinitions)
        BColText->addItem(QLatin1String(t));
    BColText->hide();

    const QStringList tones = DropDownToneList();
    cbQT = makeBox(this, "cbQT", -3, true, tones);
    cbDQT = makeBox(this, "cbDQT", -3, true, tones);
    cbfsgl = makeBox(this, "cbfsgl", 0, false, {QStringLiteral("Low"), QStringLiteral("High")});
    cbkz = makeBox(this, "cbkz", 0, false, {QStringLiteral("Wide"), QStringLiteral("Narrow")});
    cbHave = makeBox(this, "cbHave", 0, false, {QStringLiteral("Yes"), QStringLiteral("No")});

    lNone = new QLabel(QStringLiteral("None"), this);
    lNone->setObjectName(QStringLiteral("lNone"));
    lNone->hide();

    gvData->setSelectHandler([this](int col, int row) { return gvDataSelectCell(col, row); });
    gvData->setKeyHandler([this](QChar &key) { gvDataKeyPress(key); });
    gvData->setSetTextHandler([this](int col, int row, QString &text) { gvDataSetForeText(col, row, text); });
    connect(gvData, &CellGrid::mousePressed, this, [this](Qt::MouseButton, int col, int row) { gvDataMouseDown(col, row); });

    for (QComboBox *box : boxes()) {
        box->installEventFilter(this);
        if (isToneBox(box)) {
            box->lineEdit()->installEventFilter(this);
            connect(box->lineEdit(), &QLineEdit::textEdited, this, [this] { m_toneTyped = true; });
            connect(box, &QComboBox::activated, this, [this, box] {
                m_toneTyped = false;
                ComBoxSetData(box);
            });
        } else {
            connect(box, &QComboBox::currentIndexChanged, this, [this, box] { ComBoxSetData(box); });
        }
    }
    connect(Channels, &ChannelTable::tableReset, this, [this] {
        for (QComboBox *box : boxes())
            box->hide();
    });
    // A box stays over its cell only while the grid does not scroll.
    connect(gvData->horizontalScrollBar(), &QScrollBar::valueChanged, this, &TfChInfo::hideBoxes);
    connect(gvData->verticalScrollBar(), &QScrollBar::valueChanged, this, &TfChInfo::hideBoxes);
}

QList<QComboBox *> TfChInfo::boxes() const
{
    return {cbQT, cbDQT, cbfsgl, cbkz, cbHave};
}

bool TfChInfo::isToneBox(const QComboBox *box) const
{
    return TagOf(box) == -3;
}

QWidget *TfChInfo::frame()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        return sub;
    return this;
}

void TfChInfo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfChInfo::closeEvent(QCloseEvent *event)
{
    // The channel table lives as long as the program: closing only minimises the window.
    event->ignore();
    frame()->showMinimized();
}

void TfChInfo::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    hideBoxes();
}

void TfChInfo::hideBoxes()
{
    for (QComboBox *box : boxes())
        if (box->isVisible())
            ComBoxExit(box);
}

void TfChInfo::FormShow()
{
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(this, ALL->LanguageName, true);
    lNone->setText(cbQT->itemText(0));
    PublishListTexts();
    SetupColumns();
}

void TfChInfo::PublishListTexts()
{
    auto items = [](const QComboBox *box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list.append(box->itemText(i));
        return list;
    };
    Channels->setNoToneText(lNone->text());
    Channels->setPowerItems(items(cbfsgl));
    Channels->setWidthItems(items(cbkz));
    Channels->setYesNoItems(items(cbHave));
}

void TfChInfo::SetupColumns()
{
    const int n = BColText->count() / 3;
    Channels->beginUpdate();
    Channels->setColCount(n + 1);
    Channels->setFixedCols(1);
    int total = 0;
    for (int c = 1; c <= n; ++c) {
        const int width = BColText->item(n + c - 1)->text().trimmed().toInt();
        Channels->setColumnWidth(c, width);
        Channels->setColumnKind(c, BColText->item(2 * n + c - 1)->text().trimmed().toInt());
        Channels->setText(c, HeaderRow, BColText->item(c - 1)->text());
        total += width;
    }
    frame()->resize(total + 30, frame()->height());
    Channels->endUpdate();
    ClearChannelTable();
}

void TfChInfo::ClearChannelTable()
{
    for (QComboBox *box : boxes())
        box->hide();
    gvData->endEditing(false);
    const bool rebuild = Channels->rowCount() != ALL->ChannelCount + 2;
    ::ClearChannelTable(*Channels, ALL->ChannelCount);
    if (rebuild && 30 * ALL->ChannelCount < frame()->height())
        frame()->resize(frame()->width(), 30 * ALL->ChannelCount);
}

bool TfChInfo::gvDataSelectCell(int col, int row)
{
    EditCol = col;
    EditRow = row;
    ShowCellEditor();
    return true;
}

void TfChInfo::gvDataMouseDown(int, int)
{
    const int col = gvData->currentCol();
    const int row = gvData->currentRow();
    if (col == ColRx || (col == ColTx && Channels->rowInUse(row))) {
        gvData->startEditing(true);
        return;
    }
    if (col == ColTx)
        return;
    ShowCellEditor();
}

void TfChInfo::gvDataKeyPress(QChar &key)
{
    if (key == QLatin1Char(',') || key == QLatin1Char('.'))
        key = decimalSeparator();
    if (key == QChar(8) || key == QChar(13) || key == QLatin1Char('.') || isDigit(key))
        return;
    key = QChar();
}

void TfChInfo::gvDataSetForeText(int col, int row, QString &text)
{
    ALL->Modified = true;
    if (col != ColRx && col != ColTx)
        return;
    if (text.trimmed().isEmpty()) {
        text.clear();
        if (col == ColRx)
            ClearChannelRow(row);
        return;
    }
    bool shown = false;
    double f = 0.0;
    if (!ParseNumber(text, f) || !std::isfinite(f)) {
        f = ALL->BandHigh;
        ShowMessage(Language->Caution, Language->OutRange, MsgInformation);
        shown = true;
    } else if (f > ALL->ModelFreqLimitA) {
        f = ALL->BandHigh;
        ShowMessage(Language->Caution, Language->ErrRange, MsgInformation);
        shown = true;
    } else if (f < ALL->ModelFreqLimitB) {
        f = ALL->BandLow;
        ShowMessage(Language->Caution, Language->ErrRange, MsgInformation);
        shown = true;
    }
    if (!shown && (f > ALL->BandHigh || f < ALL->BandLow))
        ShowMessage(Language->Caution, Language->OutRange, MsgInformation);
    text = FormatFrequency(SnapFrequency(f));
    if (col == ColRx && !Channels->hasInUseMark(row)) {
        // The row becomes a channel with the text it is being given.
        Channels->setText(ColRx, row, text);
        InitChannelRow(row);
    }
}

void TfChInfo::InitChannelRow(int row)
{
    Channels->beginUpdate();
    Channels->setValue(ColNumber, row, QStringLiteral("1"));
    if (Channels->text(ColTx, row).isEmpty())
        Channels->setText(ColTx, row, Channels->text(ColRx, row));
    auto set = [this, row](int col, const QString &text, const QString &value) {
        gvData->setCellText(col, row, text);
        Channels->setValue(col, row, value);
    };
    set(ColDecode, cbQT->itemText(0), QStringLiteral("0"));
    set(ColEncode, cbDQT->itemText(0), QStringLiteral("0"));
    set(ColPower, cbfsgl->itemText(1), QStringLiteral("1"));
    set(ColWidth, cbkz->itemText(0), QStringLiteral("0"));
    for (int col : {ColScanAdd, ColBeatShift, ColBusyLockout})
        set(col, cbHave->itemText(1), QStringLiteral("1"));
    Channels->setReadOnly(ColTx, row, false);
    Channels->endUpdate();
}

void TfChInfo::ClearChannelRow(int row)
{
    Channels->beginUpdate();
    Channels->setValue(ColNumber, row, QString());
    for (int col = ColRx; col < Channels->colCount(); ++col) {
        Channels->setText(col, row, QString());
        Channels->setValue(col, row, QString());
    }
    Channels->setReadOnly(ColTx, row, true);
    Channels->endUpdate();
}

void TfChInfo::ShowCellEditor()
{
    if (!Channels->rowInUse(EditRow) || EditCol <= ColTx)
        return;
    QComboBox *box = nullptr;
    switch (EditCol) {
    case ColDecode:
        box = cbQT;
        break;
    case ColEncode:
        if (Channels->text(ColTx, EditRow).isEmpty())
            return;
        box = cbDQT;
        break;
    case ColPower:
        box = cbfsgl;
        break;
    case ColWidth:
        box = cbkz;
        break;
    case ColScanAdd:
    case ColBeatShift:
    case ColBusyLockout:
        box = cbHave;
        break;
    default:
        return;
    }
    for (QComboBox *other : boxes())
        if (other != box && other->isVisible())
            ComBoxExit(other);
    const QRect cell = gvData->cellRect(EditCol, EditRow);
    const QPoint at = gvData->viewport()->mapTo(this, cell.topLeft());
    box->setGeometry(at.x() + 2, at.y() + 2, Channels->columnWidth(EditCol), box->sizeHint().height());

    // Loading the box is not an edit: no value change reaches the cell.
    m_loadingBox = true;
    const QString value = Channels->value(EditCol, EditRow);
    if (isToneBox(box)) {
        box->setEditText(Channels->text(EditCol, EditRow));
    } else {
        if (box == cbHave)
            box->setCurrentText(Channels->text(EditCol, EditRow));
        const int index = value.isEmpty() ? 0 : value.toInt();
        box->setCurrentIndex(index >= 0 && index < box->count() ? index : 0);
    }
    m_loadingBox = false;
    m_toneTyped = false;
    m_boxCol = EditCol;
    m_boxRow = EditRow;
    box->show();
    box->raise();
    box->setFocus(Qt::OtherFocusReason);
    if (isToneBox(box))
        box->lineEdit()->selectAll();
}

void TfChInfo::ComBoxSetData(QComboBox *box)
{
    if (ALL->Relabeling || m_loadingBox || !box->isVisible())
        return;
    if (!Channels->contains(m_boxCol, m_boxRow))
        return;
    if (isToneBox(box)) {
        const QString typed = box->currentText();
        const QString none = lNone->text();
        Channels->setText(m_boxCol, m_boxRow, typed.isEmpty() || typed == none ? none : NormalizeToneText(typed));
    } else {
        Channels->setValue(m_boxCol, m_boxRow, QString::number(box->currentIndex()));
        Channels->setText(m_boxCol, m_boxRow, box->currentText());
    }
    ALL->Modified = true;
}

void TfChInfo::commitBox(QComboBox *box)
{
    if (isToneBox(box) && m_toneTyped) {
        m_toneTyped = false;
        ComBoxSetData(box);
    }
}

void TfChInfo::ComBoxExit(QComboBox *box)
{
    commitBox(box);
    box->hide();
}

bool TfChInfo::ComBoxKeyPress(QComboBox *box, QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ComBoxExit(box);
        gvData->setFocus(Qt::OtherFocusReason);
        return true;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    QChar key = typed.at(0);
    const QChar original = key;
    if (key == QLatin1Char(',') || key == QLatin1Char('.'))
        key = decimalSeparator();
    if (!isToneBox(box))
        return false;
    static const QString allowed = QStringLiteral(".DINdin");
    if (!(key == QChar(8) || isDigit(key) || allowed.contains(key)))
        return true;
    if (key != original) {
        box->lineEdit()->insert(QString(key));
        m_toneTyped = true;
        return true;
    }
    return false;
}

void TfChInfo::ComBoxDblClick(QComboBox *box)
{
    const int col = m_boxCol;
    const int row = m_boxRow;
    const QString tone = PickTone(this);
    if (tone.isEmpty() || !Channels->contains(col, row))
        return;
    Channels->setText(col, row, tone);
    m_boxCol = col;
    m_boxRow = row;
    box->setEditText(tone);
    m_toneTyped = false;
    if (!box->isVisible()) {
        box->show();
        box->setFocus(Qt::OtherFocusReason);
    }
    ComBoxSetData(box);
}

bool TfChInfo::eventFilter(QObject *watched, QEvent *event)
{
    for (QComboBox *box : boxes()) {
        const bool onBox = watched == box;
        const bool onEdit = isToneBox(box) && watched == box->lineEdit();
        if (!onBox && !onEdit)
            continue;
        switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // Editing keys act on the typed tone rather than on the window's menu shortcuts.
            auto *ke = static_cast<QKeyEvent *>(event);
            if (onBox && isToneBox(box)
                && (ke->matches(QKeySequence::SelectAll) || ke->matches(QKeySequence::Copy)
                    || ke->matches(QKeySequence::Paste) || ke->matches(QKeySequence::Cut)
                    || ke->matches(QKeySequence::Undo))) {
                event->accept();
                return true;
            }
            return false;
        }
        case QEvent::KeyPress:
            if (onBox)
                return ComBoxKeyPress(box, static_cast<QKeyEvent *>(event));
            return false;
        case QEvent::FocusOut: {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            if (onBox && box->isVisible() && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                ComBoxExit(box);
            return false;
        }
        case QEvent::MouseButtonDblClick:
            if (isToneBox(box)) {
                ComBoxDblClick(box);
                return true;
            }
            return false;
        default:
            return false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TfChInfo::CloseEditors()
{
    gvData->endEditing(true);
    hideBoxes();
}

void TfChInfo::RelabelGrid()
{
    ALL->Relabeling = true;
    const QString oldNone = lNone->text();
    ApplyFormLanguage(this, ALL->LanguageName, true);
    Channels->beginUpdate();
    const int n = BColText->count() / 3;
    for (int c = 1; c <= n && c < Channels->colCount(); ++c)
        Channels->setText(c, HeaderRow, BColText->item(c - 1)->text());
    const QComboBox *listOf[] = {cbfsgl, cbkz, cbHave, cbHave, cbHave};
    for (int row = FirstChannelRow; row < Channels->rowCount(); ++row) {
        if (!Channels->rowInUse(row))
            continue;
        if (Channels->text(ColDecode, row) == oldNone)
            Channels->setText(ColDecode, row, cbQT->itemText(0));
        if (Channels->text(ColEncode, row) == oldNone)
            Channels->setText(ColEncode, row, cbDQT->itemText(0));
        for (int col = ColPower; col <= ColBusyLockout; ++col) {
            bool ok = false;
            const int index = Channels->value(col, row).toInt(&ok);
            const QComboBox *box = listOf[col - ColPower];
            if (ok && index >= 0 && index < box->count())
                Channels->setText(col, row, box->itemText(index));
        }
    }
    lNone->setText(cbQT->itemText(0));
    PublishListTexts();
    Channels->endUpdate();
    ALL->Relabeling = false;
}
