#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QPrintPreviewDialog>
#include <QString>

class QAction;
class QPrinter;
class QPrintPreviewWidget;
class TMemTable;

// The report as PDF bytes.
QByteArray ReportPdf(const TMemTable &header, const TMemTable &body,
                     const QDateTime &printedAt = QDateTime::currentDateTime());

// Writes the report as a PDF file. The file is replaced only once it is complete; on failure
// `problem` gets the platform's message and an existing file stays as it was.
bool ExportReportPdf(const QString &path, const TMemTable &header, const TMemTable &body, QString *problem,
                     const QDateTime &printedAt = QDateTime::currentDateTime());

// Draws the report on a printer the caller has set up.
bool PrintReportOn(QPrinter &printer, const TMemTable &header, const TMemTable &body,
                   const QDateTime &printedAt = QDateTime::currentDateTime());

// The print dialog on the default printer, then the report on the printer the user chose.
// False when the user cancels, or when the printer cannot be painted on (the user is told).
bool PrintReport(QWidget *parent, const TMemTable &header, const TMemTable &body);

// The preview window: pages of the report with print, zoom, page navigation and a quick
// export to PDF. The report is prepared once, when the window opens.
class TReportPreview : public QPrintPreviewDialog
{
    Q_OBJECT
public:
    TReportPreview(const TMemTable &header, const TMemTable &body, QWidget *parent = nullptr);
    ~TReportPreview() override;

    QAction *quickExportAction() const { return m_quickExport; }
    QPrintPreviewWidget *previewWidget() const;

public slots:
    // Asks for a file name through the save-file service and writes the report there as PDF.
    void QuickExport();

private:
    void paintPages(QPrinter *printer);

    const TMemTable &m_header;
    const TMemTable &m_body;
    QDateTime m_printedAt;
    QAction *m_quickExport = nullptr;
};

// Opens the preview modally over the report tables.
void PreviewReport(QWidget *parent, const TMemTable &header, const TMemTable &body);
