#pragma once

#include "report/ReportTables.h"

class QWidget;

// The header texts as the main window shows them: the text of its children lMode and Label4
// (the model and band labels) and stFreq (the band display), found by name. A child that is
// missing gives an empty text.
ReportHeaderTexts HeaderTextsOf(const QWidget *mainWindow);

// The header texts the main window is built with ("Model Type: ", "Frequency: " and the current
// band), re-labelled from section [fMainFrm] of the language file when the current language is
// not the first one, as the main window is at start-up. For printing without a main window.
ReportHeaderTexts BuiltInHeaderTexts();

// Refills the report tables from scratch: the header row, the function settings, the channels.
void FillReportTables(const ReportHeaderTexts &header);

// Commands 7 (preview false: the print dialog, then the chosen printer) and 8 (preview true:
// the preview window). The header texts come from the main window's labels.
void PrintCodeplug(QWidget *mainWindow, bool preview);
void PrintCodeplug(QWidget *mainWindow, bool preview, const ReportHeaderTexts &header);
