#include "CliCommands.h"
#include "CliPrint.h"
#include "CliRadio.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>
#include <map>

int main(int argc, char *argv[])
{
    // print draws with fonts and so runs a GUI application of its own, offscreen.
    if (argc > 1 && qstrcmp(argv[1], "print") == 0)
        return RunPrint(argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zq410-cli"));
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        std::fputs(qPrintable(CliUsage() + CliPrintUsage() + CliRadioUsage()), args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? ExitUsage : ExitDone;
    }
    const std::map<QString, std::function<int(const QStringList &)>> commands = {
        {QStringLiteral("new"), RunNew},
        {QStringLiteral("dump"), RunDump},
        {QStringLiteral("info"), RunInfo},
        {QStringLiteral("ports"), RunPorts},
        {QStringLiteral("read"), RunRead},
        {QStringLiteral("write"), RunWrite},
    };
    const QString command = args.takeFirst();
    const auto it = commands.find(command);
    if (it == commands.end()) {
        std::fprintf(stderr, "zq410-cli: unknown command '%s'\n\n%s", qPrintable(command), qPrintable(CliUsage()));
        return ExitUsage;
    }
    return it->second(args);
}
