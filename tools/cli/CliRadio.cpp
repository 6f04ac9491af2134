#include "CliRadio.h"

#include "CliCommands.h"

#include "app/Globals.h"
#include "app/ShowMessage.h"
#include "app/TALL.h"
#include "app/TfMaindb.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/DataFile.h"
#include "codeplug/TMacList.h"
#include "i18n/TLanguage.h"
#include "radio/PortNames.h"
#include "radio/ReadTransfer.h"
#include "radio/WriteTransfer.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

void err(const QString &text)
{
    std::fprintf(stderr, "zq410-cli: %s\n", qPrintable(text));
}

struct RadioOptions
{
    QString port;
    QString output;
    QString input;
    bool force = false;
    bool help = false;
    QString problem;
};

RadioOptions parseRadio(const QStringList &args, bool wantsOutput, bool wantsInput)
{
    RadioOptions o;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--port") || (wantsOutput && a == QLatin1String("-o"))) {
            if (i + 1 >= args.size()) {
                o.problem = QStringLiteral("option %1 needs a value").arg(a);
                return o;
            }
            (a == QLatin1String("-o") ? o.output : o.port) = args[++i];
        } else if (a == QLatin1String("--force") && wantsInput) {
            o.force = true;
        } else if (a == QLatin1String("--help")) {
            o.help = true;
        } else if (a.startsWith(QLatin1Char('-'))) {
            o.problem = QStringLiteral("unknown option %1").arg(a);
            return o;
        } else if (wantsInput && o.input.isEmpty()) {
            o.input = a;
        } else {
            o.problem = QStringLiteral("unexpected argument %1").arg(a);
            return o;
        }
    }
    return o;
}

// A COM name stands as it is (in upper case); a device path gets a port of its own for the run.
QString portNameFor(const QString &port)
{
    if (port.contains(QLatin1Char('/')) || port.contains(QLatin1Char('\\')))
        return AddRunPortMapping(port);
    return port.toUpper();
}

void startupCodeplug()
{
    const TMacType *model = MacList->ModelAt(0);
    MakeModelCurrent(*ALL, model);
    AssignBandText(*ALL, model->DefaultBand);
    ClearChannelTable(*Channels, ALL->ChannelCount);
    ALL->Modified = false;
}

// Messages on standard error; "Modforce" is answered Yes only when forced, every other
// question with the answer that changes nothing.
class CliMessages
{
public:
    explicit CliMessages(bool force)
    {
        m_previous = SetMessageHandler([force](const QString &caption, const QString &text, int type) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
            if (type == MsgYesNo)
                return force && text == Language->Modforce ? int(ResultYes) : int(ResultNo);
            if (type == MsgRetryCancel)
                return int(ResultCancel);
            return int(ResultOk);
        });
    }
    ~CliMessages() { SetMessageHandler(m_previous); }

private:
    MessageHandler m_previous;
};

void showProgress(TransferLink &link, const char *what)
{
    QObject::connect(&link, &TransferLink::progressChanged, &link, [what](int position, int maximum) {
        std::fprintf(stderr, "%s %d/%d\n", what, position, maximum);
    });
}

// Opens the port and runs one attempt to its end, as a click on Ok in the dialog.
void runAttempt(TransferLink &link)
{
    QEventLoop loop;
    QObject::connect(&link, &TransferLink::closeRequested, &loop, &QEventLoop::quit);
    QObject::connect(&link, &TransferLink::stopped, &loop, &QEventLoop::quit);
    QTimer::singleShot(0, &link, [&link, &loop] {
        link.FormShow();
        if (link.closing())
            loop.quit();
        else if (!link.CloseTime.isActive())
            link.btnOkClick();
    });
    loop.exec();
    link.FormClose();
}

} // namespace

QString CliRadioUsage()
{
    return QStringLiteral(
        "  ports\n"
        "      List the serial ports with their devices and whether they can be opened now.\n"
        "  read --port PORT -o FILE\n"
        "      Read the radio on PORT (COMn or a device path) and save its codeplug as a data file.\n"
        "  write FILE --port PORT [--force]\n"
        "      Write a data file to the radio on PORT; --force writes even when the radio reports\n"
        "      another model of the same channel count or an unknown one.\n");
}

int RunPorts(const QStringList &args)
{
    if (!args.isEmpty()) {
        std::fputs(qPrintable(CliRadioUsage()), args.contains(QStringLiteral("--help")) ? stdout : stderr);
        return args.contains(QStringLiteral("--help")) ? ExitDone : ExitUsage;
    }
    TfMaindb db;
    const QList<PortProbe> ports = ProbeSerialPorts();
    bool missingPermission = false;
    for (const PortProbe &p : ports) {
        const char *state = "free";
        if (p.state == PortState::InUse)
            state = "in use";
        else if (p.state == PortState::NoPermission) {
            state = "no permission";
            missingPermission = true;
        }
        std::printf("%-7s %-20s %s\n", qPrintable(p.name), qPrintable(p.device), state);
    }
    if (ports.isEmpty())
        std::fputs("no serial ports found\n", stderr);
    if (missingPermission)
        std::fputs("Ports marked \"no permission\" need membership of the group that owns the device\n"
                   "(usually dialout): sudo usermod -aG dialout $USER, then log in again.\n",
                   stderr);
    return ExitDone;
}

int RunRead(const QStringList &args)
{
    const RadioOptions o = parseRadio(args, true, false);
    if (o.help) {
        std::fputs(qPrintable(CliRadioUsage()), stdout);
        return ExitDone;
    }
    if (!o.problem.isEmpty() || o.port.isEmpty() || o.output.isEmpty()) {
        err(o.problem.isEmpty() ? QStringLiteral("read needs --port PORT and -o FILE") : o.problem);
        return ExitUsage;
    }
    TfMaindb db;
    startupCodeplug();
    ALL->PortName = portNameFor(o.port);
    CliMessages messages(false);
    ReadTransfer link;
    showProgress(link, "read");
    runAttempt(link);
    if (!link.ReadDone || !ApplyStagedRead()) {
        err(QStringLiteral("the radio was not read"));
        return ExitRefused;
    }
    if (!WriteDataFile(o.output))
        return ExitRefused;
    return ExitDone;
}

int RunWrite(const QStringList &args)
{
    const RadioOptions o = parseRadio(args, false, true);
    if (o.help) {
        std::fputs(qPrintable(CliRadioUsage()), stdout);
        return ExitDone;
    }
    if (!o.problem.isEmpty() || o.port.isEmpty() || o.input.isEmpty()) {
        err(o.problem.isEmpty() ? QStringLiteral("write needs FILE and --port PORT") : o.problem);
        return ExitUsage;
    }
    TfMaindb db;
    startupCodeplug();
    CliMessages messages(o.force);
    if (ReadDataFile(o.input) != ReadDataFileResult::Ok)
        return ExitRefused;
    ALL->PortName = portNameFor(o.port);
    WriteTransfer link;
    showProgress(link, "write");
    runAttempt(link);
    if (!link.WriteDone) {
        err(QStringLiteral("the radio was not written"));
        return ExitRefused;
    }
    return ExitDone;
}
