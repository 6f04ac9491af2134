#include "PdfText.h"

#include <QProcess>

QStringList PdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

bool ContainsInOrder(const QString &text, const QStringList &needles, QString *missing)
{
    qsizetype from = 0;
    for (const QString &n : needles) {
        const qsizetype at = text.indexOf(n, from);
        if (at < 0) {
            if (missing)
                *missing = n;
            return false;
        }
        from = at + n.size();
    }
    return true;
}
