#include "CliPrint.h"

#include "CliCommands.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "app/TfMaindb.h"
#include "channels/TfChInfo.h"
#include "codeplug/DataFile.h"
#include "codeplug/TMacList.h"
#include "codeplug/TMacType.h"
#include "i18n/LanguageTexts.h"
#include "i18n/SysInfo.h"
#include "report/PrintCodeplug.h"
#include "report/ReportPreview.h"
#include "report/TMemTable.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

void err(const QString &text)
{
    std::fprintf(stderr, "zq410-cli: %s\n", qPrintable(text));
}

struct PrintOptions
{
    QString file;
    QString pdf;
    QString language;
    bool help = false;
    QString problem;
};

PrintOptions parse(const QStringList &args)
{
    PrintOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--language")) {
            if (i + 1 >= args.size()) {
                o.problem = QStringLiteral("option %1 needs a value").arg(a);
                return o;
            }
            (a == QLatin1String("--pdf") ? o.pdf : o.language) = args[++i];
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            o.problem = QStringLiteral("unknown option %1").arg(a);
            return o;
        } else if (o.file.isEmpty()) {
            o.file = a;
        } else {
            o.problem = QStringLiteral("print needs exactly one FILE");
            return o;
        }
    }
    if (!o.help && o.problem.isEmpty() && (o.file.isEmpty() || o.pdf.isEmpty()))
        o.problem = QStringLiteral("print needs a FILE and --pdf OUT.pdf");
    return o;
}

// The language chosen on the command line, as the language dialog would set it: its position in
// the configured list, or past the list's end when the list does not name it, so that its file
// re-labels the windows.
void chooseLanguage(const QString &name)
{
    QStringList displayNames, fileNames;
    ReadLanguageLists(*ALL, displayNames, fileNames);
    const int index = int(fileNames.indexOf(name));
    ALL->LanguageName = name;
    ALL->LanguageIndex = index >= 0 ? index : qMax(1, int(fileNames.size()));
    LoadLanguageTexts(name);
}

QtMessageHandler previousHandler = nullptr;

// The offscreen platform remarks on every window shown; the channel window is shown only to set
// up the table, so that remark is no news to the user.
void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.contains(QLatin1String("propagateSizeHints")))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

QString CliPrintUsage()
{
    return QStringLiteral("  zq410-cli print FILE --pdf OUT.pdf [--language NAME]\n"
                          "      the printed report of a data file as PDF, in the configured language or NAME\n");
}

int RunPrint(int argc, char *argv[])
{
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    const PrintOptions o = parse(args);
    if (o.help) {
        std::fputs(qPrintable(CliPrintUsage()), stdout);
        return ExitDone;
    }
    if (!o.problem.isEmpty()) {
        err(o.problem);
        std::fputs(qPrintable(CliPrintUsage()), stderr);
        return ExitUsage;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zq410-cli"));

    TfMaindb db;
    if (!o.language.isEmpty()) {
        // A misspelt language would silently print the built-in texts.
        if (!QFileInfo::exists(LanguageFilePath(o.language))) {
            err(QStringLiteral("there is no language file %1").arg(QDir::toNativeSeparators(LanguageFilePath(o.language))));
            return ExitRefused;
        }
        chooseLanguage(o.language);
    }
    // As the main window's first show: the first model with its default band, then the channel
    // window, which sets up the table's titles and texts in the current language.
    MakeModelCurrent(*ALL, MacList->ModelAt(0));
    AssignBandText(*ALL, MacList->ModelAt(0)->DefaultBand);
    TfChInfo channels;
    channels.setAttribute(Qt::WA_DontShowOnScreen);
    channels.show();
    channels.hide();

    if (ReadDataFile(o.file) != ReadDataFileResult::Ok)
        return ExitRefused;

    FillReportTables(BuiltInHeaderTexts());
    QString problem;
    if (!ExportReportPdf(o.pdf, *myMain, *myAdo, &problem)) {
        err(problem);
        return ExitRefused;
    }
    return ExitDone;
}
