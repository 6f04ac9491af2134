#include "report/PrintCodeplug.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "i18n/FormLanguage.h"
#include "i18n/TLanguage.h"
#include "report/ReportPreview.h"
#include "report/TMemTable.h"
#include "report/TPrint.h"

#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace {

QString textOfChild(const QWidget *window, const char *name)
{
    const QObject *child = window ? window->findChild<QObject *>(QLatin1String(name)) : nullptr;
    return child ? child->property("text").toString() : QString();
}

} // namespace

ReportHeaderTexts HeaderTextsOf(const QWidget *mainWindow)
{
    return {textOfChild(mainWindow, "lMode"), textOfChild(mainWindow, "Label4"), textOfChild(mainWindow, "stFreq")};
}

ReportHeaderTexts BuiltInHeaderTexts()
{
    // Only the two labels of the main window, under the names its language section uses.
    QWidget window;
    window.setObjectName(QStringLiteral("fMainFrm"));
    auto *lMode = new QLabel(QStringLiteral("Model Type: "), &window);
    lMode->setObjectName(QStringLiteral("lMode"));
    auto *label4 = new QLabel(QStringLiteral("Frequency: "), &window);
    label4->setObjectName(QStringLiteral("Label4"));
    if (ALL->LanguageIndex > 0)
        ApplyFormLanguage(&window, ALL->LanguageName, true);
    return {lMode->text(), label4->text(), ALL->BandText};
}

void FillReportTables(const ReportHeaderTexts &header)
{
    EmptyTable(*myAdo);
    EmptyTable(*myMain);
    AppendHeaderRow(*myMain, ALL->ProductTitle, ALL->ModelName, header);
    TPrint().PrintFunSet(*myAdo);
    AppendChannelRows(*myAdo, *Channels, *Language);
}

void PrintCodeplug(QWidget *mainWindow, bool preview)
{
    PrintCodeplug(mainWindow, preview, HeaderTextsOf(mainWindow));
}

void PrintCodeplug(QWidget *mainWindow, bool preview, const ReportHeaderTexts &header)
{
    FillReportTables(header);
    if (preview)
        PreviewReport(mainWindow, *myMain, *myAdo);
    else
        PrintReport(mainWindow, *myMain, *myAdo);
}
