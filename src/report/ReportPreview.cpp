#include "report/ReportPreview.h"

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "i18n/TLanguage.h"
#include "report/ReportRenderer.h"

#include <QAction>
#include <QBuffer>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QToolBar>

QByteArray ReportPdf(const TMemTable &header, const TMemTable &body, const QDateTime &printedAt)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("ZQ-410"));
        writer.setPageLayout(ReportRenderer::PageLayout());
        if (!ReportRenderer(header, body, printedAt).Render(writer))
            return {};
    }
    return bytes;
}

bool ExportReportPdf(const QString &path, const TMemTable &header, const TMemTable &body, QString *problem,
                     const QDateTime &printedAt)
{
    const QByteArray bytes = ReportPdf(header, body, printedAt);
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (problem)
            *problem = bytes.isEmpty() ? QStringLiteral("The report could not be drawn.")
                                       : QStringLiteral("%1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

bool PrintReportOn(QPrinter &printer, const TMemTable &header, const TMemTable &body, const QDateTime &printedAt)
{
    return ReportRenderer(header, body, printedAt).Render(printer);
}

bool PrintReport(QWidget *parent, const TMemTable &header, const TMemTable &body)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ReportRenderer::PageLayout());
    printer.setDocName(QStringLiteral("ZQ-410"));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (PrintReportOn(printer, header, body))
        return true;
    ShowMessage(Language ? Language->Caution : QString(),
                QStringLiteral("The report could not be printed on %1.").arg(printer.printerName()), MsgInformation);
    return false;
}

TReportPreview::TReportPreview(const TMemTable &header, const TMemTable &body, QWidget *parent)
    : QPrintPreviewDialog(parent), m_header(header), m_body(body), m_printedAt(QDateTime::currentDateTime())
{
    setObjectName(QStringLiteral("fReportPreview"));
    printer()->setPageLayout(ReportRenderer::PageLayout());
    printer()->setDocName(QStringLiteral("ZQ-410"));
    connect(this, &QPrintPreviewDialog::paintRequested, this, &TReportPreview::paintPages);

    m_quickExport = new QAction(QStringLiteral("Export PDF"), this);
    m_quickExport->setObjectName(QStringLiteral("actQuickExport"));
    m_quickExport->setToolTip(QStringLiteral("Export the report as a PDF file"));
    connect(m_quickExport, &QAction::triggered, this, &TReportPreview::QuickExport);
    if (QToolBar *bar = findChild<QToolBar *>()) {
        bar->addSeparator();
        bar->addAction(m_quickExport);
    } else {
        addAction(m_quickExport);
    }
}

TReportPreview::~TReportPreview() = default;

QPrintPreviewWidget *TReportPreview::previewWidget() const
{
    return findChild<QPrintPreviewWidget *>();
}

void TReportPreview::paintPages(QPrinter *target)
{
    PrintReportOn(*target, m_header, m_body, m_printedAt);
}

void TReportPreview::QuickExport()
{
    FileDialogRequest request;
    request.caption = QStringLiteral("Export PDF");
    request.directory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.filter = QStringLiteral("PDF File(*.pdf)|*.pdf");
    request.defaultSuffix = QStringLiteral("pdf");
    const QString path = ChooseSaveFile(request);
    if (path.isEmpty())
        return;
    QString problem;
    if (!ExportReportPdf(path, m_header, m_body, &problem, m_printedAt))
        ShowMessage(Language ? Language->Caution : QString(), problem, MsgInformation);
}

void PreviewReport(QWidget *parent, const TMemTable &header, const TMemTable &body)
{
    TReportPreview preview(header, body, parent);
    preview.exec();
}
