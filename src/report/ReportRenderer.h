#pragma once

#include <QDateTime>
#include <QFont>
#include <QList>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class TMemTable;

// Geometry of the report template, in millimetres from the top left of the printable area.
namespace ReportGeometry {
constexpr double PageWidth = 215.9;
constexpr double PageHeight = 279.4;
constexpr double MarginLeft = 10.0;
constexpr double MarginRight = 10.0;
constexpr double MarginTop = 2.0;
constexpr double MarginBottom = 10.0;
constexpr double PrintableWidth = 195.9;
constexpr double PageHeaderHeight = 37.0;
constexpr double SectionHeaderHeight = 7.0;
constexpr double DataLineHeight = 7.0;
constexpr double PageFooterHeight = 6.0;
} // namespace ReportGeometry

// One band of a page below the page header: a section title or a data line, both taken from
// a row of the body table.
struct ReportBand
{
    enum Kind { SectionTitle, DataLine };
    Kind kind = DataLine;
    int row = 0;
    bool operator==(const ReportBand &) const = default;
};
using ReportPage = QList<ReportBand>;

// The printed report: lays the header table and the body table out after the template and
// draws the pages on any paged device (a printer, a PDF writer, the preview's printer).
class ReportRenderer
{
public:
    ReportRenderer(const TMemTable &header, const TMemTable &body,
                   const QDateTime &printedAt = QDateTime::currentDateTime());

    // US Letter with the template's margins.
    static QPageLayout PageLayout();

    // Splits the body into pages whose printable area is this many millimetres high. Each
    // section starts on a new page; a section running onto further pages repeats its title;
    // a channel's lines stay together on one page.
    QList<ReportPage> Paginate(double printableHeight = ReportGeometry::PageHeight - ReportGeometry::MarginTop
                                                        - ReportGeometry::MarginBottom) const;

    // Draws every page in the device's page layout (PageLayout() unless the user chose another
    // in a print dialog); false when the device cannot be painted on.
    bool Render(QPagedPaintDevice &device) const;

    QString DateText() const;
    QString TimeText() const;

    // "宋体" where it is installed, else a face that still shows Chinese text.
    static QFont TextFont(double pointSize = 10.0, bool bold = false);
    static QFont FooterFont();

    // The separator a date or time format puts between its fields ("/" for "dd/MM/yyyy").
    static QChar SeparatorOf(const QString &format, QChar fallback);

private:
    void DrawPage(QPainter &painter, double dotsPerMm, double printableHeight, const ReportPage &page,
                  int pageNumber) const;

    const TMemTable &m_header;
    const TMemTable &m_body;
    QDateTime m_printedAt;
};
