#include "report/ReportRenderer.h"

#include "report/TMemTable.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

using namespace ReportGeometry;

namespace {

QString headerText(const TMemTable &header, const char *field)
{
    return header.RowCount() > 0 ? header.TextAt(0, QLatin1String(field)) : QString();
}

// Converts template millimetres into device units.
class Mm
{
public:
    explicit Mm(double dotsPerMm) : k(dotsPerMm) {}
    QRectF rect(double x, double y, double w, double h) const { return QRectF(x * k, y * k, w * k, h * k); }
    double operator()(double v) const { return v * k; }

private:
    double k;
};

} // namespace

ReportRenderer::ReportRenderer(const TMemTable &header, const TMemTable &body, const QDateTime &printedAt)
    : m_header(header), m_body(body), m_printedAt(printedAt)
{
}

QPageLayout ReportRenderer::PageLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(MarginLeft, MarginTop, MarginRight, MarginBottom), QPageLayout::Millimeter);
}

namespace {

// A line with only a left label heads the lines after it (a channel's number over its
// settings); such a group is kept on one page when it fits one.
bool isGroupHead(const TMemTable &body, int row)
{
    return !body.TextAt(row, QStringLiteral("AField")).isEmpty() && body.TextAt(row, QStringLiteral("AValue")).isEmpty()
        && body.TextAt(row, QStringLiteral("BField")).isEmpty() && body.TextAt(row, QStringLiteral("BValue")).isEmpty();
}

int groupLength(const TMemTable &body, int head)
{
    const int id = body.Value(head, QStringLiteral("TypeID")).toInt();
    int end = head + 1;
    while (end < body.RowCount() && body.Value(end, QStringLiteral("TypeID")).toInt() == id && !isGroupHead(body, end)
           && !body.TextAt(end, QStringLiteral("AField")).isEmpty())
        ++end;
    return end - head;
}

} // namespace

QList<ReportPage> ReportRenderer::Paginate(double printableHeight) const
{
    constexpr double slack = 1e-9;
    const double room = printableHeight - PageHeaderHeight - PageFooterHeight;
    QList<ReportPage> pages;
    double used = 0.0;
    bool first = true;
    int section = 0;
    for (int row = 0; row < m_body.RowCount(); ++row) {
        const int id = m_body.Value(row, QStringLiteral("TypeID")).toInt();
        const bool newSection = first || id != section;
        bool full = !pages.isEmpty() && used + DataLineHeight > room + slack;
        if (!newSection && !full && isGroupHead(m_body, row)) {
            const double group = groupLength(m_body, row) * DataLineHeight;
            full = used + group > room + slack && SectionHeaderHeight + group <= room + slack;
        }
        if (newSection || full) {
            pages.append(ReportPage{{ReportBand::SectionTitle, row}});
            used = SectionHeaderHeight;
            section = id;
            first = false;
        }
        pages.last().append({ReportBand::DataLine, row});
        used += DataLineHeight;
    }
    if (pages.isEmpty())
        pages.append(ReportPage{});
    return pages;
}

QChar ReportRenderer::SeparatorOf(const QString &format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetterOrNumber() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    }
    return fallback;
}

QString ReportRenderer::DateText() const
{
    const QLocale system = QLocale::system();
    const QChar sep = SeparatorOf(system.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
    return QLocale::c().toString(m_printedAt.date(), QStringLiteral("yyyy'%1'MM'%1'dd").arg(sep));
}

QString ReportRenderer::TimeText() const
{
    const QLocale system = QLocale::system();
    const QChar sep = SeparatorOf(system.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    return QLocale::c().toString(m_printedAt.time(), QStringLiteral("HH'%1'mm'%1'ss").arg(sep));
}

QFont ReportRenderer::TextFont(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont ReportRenderer::FooterFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("WenQuanYi Micro Hei")});
    font.setPointSizeF(10.0);
    font.setBold(true);
    return font;
}

bool ReportRenderer::Render(QPagedPaintDevice &device) const
{
    const double printableHeight = device.pageLayout().paintRect(QPageLayout::Millimeter).height();
    const double dotsPerMm = device.logicalDpiY() / 25.4;
    const QList<ReportPage> pages = Paginate(printableHeight);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        DrawPage(painter, dotsPerMm, printableHeight, pages[i], i + 1);
    }
    return painter.end();
}

void ReportRenderer::DrawPage(QPainter &painter, double dotsPerMm, double printableHeight, const ReportPage &page,
                              int pageNumber) const
{
    const Mm mm(dotsPerMm);
    const int left = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const int right = Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine;
    const int centre = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setPen(QPen(Qt::black, mm(0.3)));

    painter.setFont(TextFont(14.0, true));
    painter.drawText(mm.rect(0, 0, 195, 11), centre, headerText(m_header, "Title"));
    painter.setFont(TextFont());
    painter.drawText(mm.rect(134, 11, 30, 5), right, DateText());
    painter.drawText(mm.rect(165, 11, 25, 5), left, TimeText());
    painter.drawLine(QPointF(0, mm(16)), QPointF(mm(PrintableWidth), mm(16)));
    painter.setFont(TextFont(10.0, true));
    const char *const labels[][2] = {{"AField", "AValue"}, {"BField", "BValue"}, {"CField", "CValue"}};
    double y = 18;
    for (const auto &pair : labels) {
        painter.drawText(mm.rect(0, y, 66, 5), right, headerText(m_header, pair[0]));
        painter.drawText(mm.rect(67, y, 113, 5), left, headerText(m_header, pair[1]));
        y += 5;
    }
    painter.drawLine(QPointF(0, mm(36)), QPointF(mm(PrintableWidth), mm(36)));

    y = PageHeaderHeight;
    for (const ReportBand &band : page) {
        if (band.kind == ReportBand::SectionTitle) {
            painter.setFont(TextFont(10.0, true));
            painter.drawText(mm.rect(0, y, 51, SectionHeaderHeight), left, m_body.TextAt(band.row, QStringLiteral("TypeName")));
            y += SectionHeaderHeight;
            continue;
        }
        painter.setFont(TextFont());
        const auto text = [&](const char *field) { return m_body.TextAt(band.row, QLatin1String(field)); };
        painter.drawText(mm.rect(5, y, 44, DataLineHeight), left, text("AField"));
        painter.drawText(mm.rect(49, y, 43, DataLineHeight), left, QStringLiteral("  ") + text("AValue"));
        painter.drawText(mm.rect(94, y, 48, DataLineHeight), left, text("BField"));
        painter.drawText(mm.rect(143, y, 52, DataLineHeight), left, text("BValue"));
        y += DataLineHeight;
    }

    painter.setFont(FooterFont());
    painter.drawText(mm.rect(80, printableHeight - PageFooterHeight, 20, PageFooterHeight), centre,
                     QString::number(pageNumber));
}
