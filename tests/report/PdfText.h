#pragma once

#include <QString>
#include <QStringList>

// The text of each page of a PDF file as pdftotext reads it (layout kept); empty when
// pdftotext is missing or fails.
QStringList PdfPages(const QString &path);

// True when every needle appears in the text, each after the previous one; `missing` gets the
// first needle not found in order.
bool ContainsInOrder(const QString &text, const QStringList &needles, QString *missing = nullptr);
