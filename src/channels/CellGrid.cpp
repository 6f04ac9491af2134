#include "channels/CellGrid.h"

#include "codeplug/ChannelTable.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

constexpr int DefaultColumnWidth = 64;
constexpr int ResizeGrip = 3;

QColor rgbColor(quint32 rgb)
{
    return QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
}

} // namespace

CellGrid::CellGrid(QWidget *parent)
    : QAbstractScrollArea(parent),
      m_focusedTitle(255, 251, 240)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    m_editor = new QLineEdit(viewport());
    m_editor->setObjectName(QStringLiteral("InplaceEditor"));
    m_editor->setFrame(false);
    m_editor->hide();
    m_editor->installEventFilter(this);
    m_ownTable = new ChannelTable(this);
    setTable(nullptr);
}

CellGrid::~CellGrid() = default;

void CellGrid::setTable(ChannelTable *table)
{
    if (m_table)
        disconnect(m_table, nullptr, this, nullptr);
    endEditing(false);
    m_table = table ? table : m_ownTable;
    connect(m_table, &ChannelTable::cellChanged, this, [this] { viewport()->update(); });
    connect(m_table, &ChannelTable::tableReset, this, &CellGrid::tableChanged);
    connect(m_table, &ChannelTable::columnsResized, this, &CellGrid::tableChanged);
    m_col = m_row = -1;
    tableChanged();
}

void CellGrid::setDefaultRowHeight(int height)
{
    m_rowHeight = qMax(height, 4);
    tableChanged();
}

void CellGrid::setFocusedTitleColor(const QColor &color)
{
    m_focusedTitle = color;
    viewport()->update();
}

int CellGrid::colWidth(int col) const
{
    const int w = m_table->columnWidth(col);
    return w > 0 ? w : DefaultColumnWidth;
}

int CellGrid::fixedColCount() const
{
    return qBound(0, m_table->fixedCols(), qMax(m_table->colCount() - 1, 0));
}

int CellGrid::fixedRowCount() const
{
    return qBound(0, m_table->fixedRows(), qMax(m_table->rowCount() - 1, 0));
}

int CellGrid::fixedWidth() const
{
    int w = 0;
    for (int c = 1; c <= fixedColCount(); ++c)
        w += colWidth(c);
    return w;
}

int CellGrid::fixedHeight() const
{
    return fixedRowCount() * m_rowHeight;
}

int CellGrid::contentLeft(int col) const
{
    int x = 0;
    for (int c = 1; c < col; ++c)
        x += colWidth(c);
    return x;
}

int CellGrid::contentWidth() const
{
    return contentLeft(m_table->colCount());
}

int CellGrid::contentHeight() const
{
    return qMax(m_table->rowCount() - 1, 0) * m_rowHeight;
}

bool CellGrid::isSelectable(int col, int row) const
{
    return col > fixedColCount() && row > fixedRowCount() && col < m_table->colCount() && row < m_table->rowCount();
}

QRect CellGrid::cellRect(int col, int row) const
{
    if (col < 1 || row < 1 || col >= m_table->colCount() || row >= m_table->rowCount())
        return {};
    int x = contentLeft(col);
    int y = (row - 1) * m_rowHeight;
    if (col > fixedColCount())
        x -= horizontalScrollBar()->value();
    if (row > fixedRowCount())
        y -= verticalScrollBar()->value();
    return QRect(x, y, colWidth(col), m_rowHeight);
}

QPoint CellGrid::cellAt(const QPoint &pos) const
{
    if (pos.x() < 0 || pos.y() < 0)
        return {-1, -1};
    int row = -1;
    if (pos.y() < fixedHeight())
        row = pos.y() / m_rowHeight + 1;
    else
        row = (pos.y() + verticalScrollBar()->value()) / m_rowHeight + 1;
    int col = -1;
    const int fw = fixedWidth();
    const int x = pos.x() < fw ? pos.x() : pos.x() + horizontalScrollBar()->value();
    int left = 0;
    for (int c = 1; c < m_table->colCount(); ++c) {
        const int w = colWidth(c);
        if (x >= left && x < left + w) {
            col = c;
            break;
        }
        left += w;
    }
    if (col < 0 || row < 1 || row >= m_table->rowCount())
        return {-1, -1};
    return {col, row};
}

void CellGrid::updateScrollBars()
{
    const QSize vp = viewport()->size();
    horizontalScrollBar()->setRange(0, qMax(0, contentWidth() - vp.width()));
    horizontalScrollBar()->setPageStep(qMax(1, vp.width() - fixedWidth()));
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setRange(0, qMax(0, contentHeight() - vp.height()));
    verticalScrollBar()->setPageStep(qMax(1, vp.height() - fixedHeight()));
    verticalScrollBar()->setSingleStep(m_rowHeight);
}

void CellGrid::ensureCurrentCell()
{
    if (isSelectable(m_col, m_row))
        return;
    const int col = fixedColCount() + 1;
    const int row = fixedRowCount() + 1;
    if (isSelectable(col, row)) {
        m_col = col;
        m_row = row;
    } else {
        m_col = m_row = -1;
    }
}

void CellGrid::tableChanged()
{
    if (m_editing && !m_table->contains(m_editCol, m_editRow))
        endEditing(false);
    ensureCurrentCell();
    updateScrollBars();
    placeEditor();
    viewport()->update();
}

void CellGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    placeEditor();
}

void CellGrid::scrollContentsBy(int, int)
{
    placeEditor();
    viewport()->update();
}

void CellGrid::scrollToCell(int col, int row)
{
    if (!m_table->contains(col, row) || col < 1 || row < 1)
        return;
    const QSize vp = viewport()->size();
    if (row > fixedRowCount()) {
        const int top = (row - 1) * m_rowHeight - fixedHeight();
        const int visible = vp.height() - fixedHeight();
        QScrollBar *v = verticalScrollBar();
        if (top < v->value())
            v->setValue(top);
        else if (top + m_rowHeight > v->value() + visible)
            v->setValue(top + m_rowHeight - visible);
    }
    if (col > fixedColCount()) {
        const int left = contentLeft(col) - fixedWidth();
        const int visible = vp.width() - fixedWidth();
        QScrollBar *h = horizontalScrollBar();
        if (left < h->value())
            h->setValue(left);
        else if (left + colWidth(col) > h->value() + visible)
            h->setValue(left + colWidth(col) - visible);
    }
}

bool CellGrid::setCurrentCell(int col, int row)
{
    if (!isSelectable(col, row))
        return false;
    if (col == m_col && row == m_row)
        return true;
    if (m_editing)
        endEditing(true);
    if (m_onSelect && !m_onSelect(col, row))
        return false;
    m_col = col;
    m_row = row;
    scrollToCell(col, row);
    viewport()->update();
    return true;
}

void CellGrid::setCellText(int col, int row, const QString &text)
{
    QString t = text;
    if (m_onSetText)
        m_onSetText(col, row, t);
    if (m_table)
        m_table->setText(col, row, t);
}

void CellGrid::placeEditor()
{
    if (!m_editing)
        return;
    QRect r = cellRect(m_editCol, m_editRow);
    m_editor->setGeometry(r.adjusted(1, 1, -1, -1));
}

bool CellGrid::startEditing(bool selectAll)
{
    if (m_editing)
        return true;
    if (!m_editingEnabled || !isSelectable(m_col, m_row) || m_table->readOnly(m_col, m_row))
        return false;
    m_editing = true;
    m_editCol = m_col;
    m_editRow = m_row;
    m_editor->setText(m_table->text(m_col, m_row));
    m_editor->setAlignment(m_table->alignment(m_col, m_row));
    QFont f = font();
    f.setBold(m_table->bold(m_col, m_row));
    m_editor->setFont(f);
    placeEditor();
    m_editor->show();
    m_editor->setFocus(Qt::OtherFocusReason);
    if (selectAll)
        m_editor->selectAll();
    else
        m_editor->end(false);
    return true;
}

void CellGrid::endEditing(bool commit)
{
    if (!m_editing)
        return;
    m_editing = false;
    const QString text = m_editor->text();
    const int col = m_editCol;
    const int row = m_editRow;
    const bool hadFocus = m_editor->hasFocus() || window()->focusWidget() == m_editor;
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    m_editor->hide();
    if (commit && m_table->contains(col, row) && text != m_table->text(col, row))
        setCellText(col, row, text);
    viewport()->update();
}

bool CellGrid::filterKey(QChar &key)
{
    if (m_onKey)
        m_onKey(key);
    return !key.isNull();
}

void CellGrid::moveCurrent(int dcol, int drow)
{
    int col = m_col;
    int row = m_row;
    if (col < 0 || row < 0)
        return;
    col = qBound(fixedColCount() + 1, col + dcol, m_table->colCount() - 1);
    row = qBound(fixedRowCount() + 1, row + drow, m_table->rowCount() - 1);
    setCurrentCell(col, row);
}

bool CellGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor)
        return QAbstractScrollArea::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *ke = static_cast<QKeyEvent *>(event);
        if (ke->key() == Qt::Key_Escape) {
            endEditing(false);
            return true;
        }
        const QString typed = ke->text();
        if (!typed.isEmpty() && !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            QChar key = typed.at(0);
            const QChar original = key;
            if (!filterKey(key))
                return true;
            if (key != original && key.isPrint()) {
                m_editor->insert(QString(key));
                return true;
            }
        }
        switch (ke->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            endEditing(true);
            return true;
        case Qt::Key_Up:
            endEditing(true);
            moveCurrent(0, -1);
            return true;
        case Qt::Key_Down:
            endEditing(true);
            moveCurrent(0, 1);
            return true;
        case Qt::Key_Tab:
            endEditing(true);
            moveCurrent(1, 0);
            return true;
        default:
            break;
        }
        return false;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            endEditing(true);
        return false;
    }
    default:
        return false;
    }
}

void CellGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        moveCurrent(-1, 0);
        return;
    case Qt::Key_Right:
        moveCurrent(1, 0);
        return;
    case Qt::Key_Up:
        moveCurrent(0, -1);
        return;
    case Qt::Key_Down:
        moveCurrent(0, 1);
        return;
    case Qt::Key_PageUp:
        moveCurrent(0, -qMax(1, (viewport()->height() - fixedHeight()) / m_rowHeight));
        return;
    case Qt::Key_PageDown:
        moveCurrent(0, qMax(1, (viewport()->height() - fixedHeight()) / m_rowHeight));
        return;
    case Qt::Key_Home:
        moveCurrent(-m_table->colCount(), 0);
        return;
    case Qt::Key_End:
        moveCurrent(m_table->colCount(), 0);
        return;
    case Qt::Key_Tab:
        moveCurrent(1, 0);
        return;
    case Qt::Key_Backtab:
        moveCurrent(-1, 0);
        return;
    case Qt::Key_F2:
        startEditing(false);
        return;
    default:
        break;
    }
    const QString typed = event->text();
    if (typed.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    QChar key = typed.at(0);
    if (!filterKey(key))
        return;
    if (key == QChar(13)) {
        startEditing(true);
        return;
    }
    if (key.isPrint() && startEditing(false)) {
        m_editor->setText(QString(key));
        return;
    }
    event->ignore();
}

int CellGrid::resizeBorderAt(const QPoint &pos) const
{
    if (!m_resizable || pos.y() >= qMax(fixedHeight(), 0) || fixedRowCount() == 0)
        return -1;
    for (int c = 1; c < m_table->colCount(); ++c) {
        const QRect r = cellRect(c, 1);
        if (r.isEmpty())
            continue;
        if (c > fixedColCount() && r.right() < fixedWidth())
            continue;
        if (qAbs(pos.x() - (r.x() + r.width())) <= ResizeGrip)
            return c;
    }
    return -1;
}

void CellGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton) {
        const int c = resizeBorderAt(pos);
        if (c > 0) {
            m_resizingCol = c;
            m_resizeStartX = pos.x();
            m_resizeStartWidth = colWidth(c);
            return;
        }
    }
    const QPoint cell = cellAt(pos);
    if (m_editing && !(cell.x() == m_editCol && cell.y() == m_editRow))
        endEditing(true);
    if (cell.x() > 0)
        setCurrentCell(cell.x(), cell.y());
    emit mousePressed(event->button(), cell.x(), cell.y());
}

void CellGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_resizingCol > 0) {
        m_table->setColumnWidth(m_resizingCol, qMax(8, m_resizeStartWidth + pos.x() - m_resizeStartX));
        return;
    }
    viewport()->setCursor(resizeBorderAt(pos) > 0 ? Qt::SplitHCursor : Qt::ArrowCursor);
}

void CellGrid::mouseReleaseEvent(QMouseEvent *)
{
    m_resizingCol = -1;
}

void CellGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() > 0 && !(cell.x() == m_col && cell.y() == m_row))
        setCurrentCell(cell.x(), cell.y());
    if (cell.x() > 0 && cell.x() == m_col && cell.y() == m_row)
        startEditing(true);
    emit cellDoubleClicked(cell.x(), cell.y());
}

void CellGrid::paintCell(QPainter &p, int col, int row, const QRect &r)
{
    const bool fixed = col <= fixedColCount() || row <= fixedRowCount();
    const bool current = col == m_col && row == m_row;
    QColor back = palette().color(QPalette::Base);
    if (m_table->hasBackground(col, row))
        back = rgbColor(m_table->background(col, row));
    else if (fixed || m_table->shade(col, row) == CellShade::ButtonFace)
        back = palette().color(QPalette::Button);
    if (fixed && (col == m_col || row == m_row) && m_focusedTitle.isValid())
        back = m_focusedTitle;
    QColor fore = palette().color(QPalette::Text);
    if (current && !fixed) {
        back = palette().color(QPalette::Highlight);
        fore = palette().color(QPalette::HighlightedText);
    }
    p.fillRect(r, back);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(r.topRight(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.bottomRight());
    if (m_table->borders(col, row)) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    const QString text = m_table->text(col, row);
    if (!text.isEmpty()) {
        QFont f = font();
        f.setBold(m_table->bold(col, row));
        p.setFont(f);
        p.setPen(fore);
        p.drawText(r.adjusted(3, 0, -3, 0), int(m_table->alignment(col, row)) | Qt::TextSingleLine, text);
    }
    if (current && hasFocus() && !m_editing) {
        p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
}

void CellGrid::paintEvent(QPaintEvent *)
{
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().color(QPalette::Window));
    const int cols = m_table->colCount();
    const int rows = m_table->rowCount();
    const int fw = fixedWidth();
    const int fh = fixedHeight();
    const QRect vp = viewport()->rect();
    // Scrolling cells first, then the fixed rows and columns on top of them.
    for (int pass = 0; pass < 4; ++pass) {
        const bool fixedRowsPass = pass == 1 || pass == 3;
        const bool fixedColsPass = pass == 2 || pass == 3;
        QRect clip = vp;
        if (!fixedRowsPass)
            clip.setTop(fh);
        else
            clip.setBottom(fh - 1);
        if (!fixedColsPass)
            clip.setLeft(fw);
        else
            clip.setRight(fw - 1);
        if (clip.isEmpty())
            continue;
        p.setClipRect(clip);
        for (int row = 1; row < rows; ++row) {
            if ((row <= fixedRowCount()) != fixedRowsPass)
                continue;
            for (int col = 1; col < cols; ++col) {
                if ((col <= fixedColCount()) != fixedColsPass)
                    continue;
                const QRect r = cellRect(col, row);
                if (r.intersects(clip))
                    paintCell(p, col, row, r);
            }
        }
    }
}

int CellGrid::gridColumnCount() const
{
    return m_table->colCount();
}

QString CellGrid::gridTitle(int col) const
{
    return m_table->text(col, 1);
}

void CellGrid::setGridTitle(int col, const QString &text)
{
    m_table->setText(col, 1, text);
}

QSize CellGrid::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return QSize(qMin(contentWidth(), 900) + frame, qMin(contentHeight(), 600) + frame);
}
