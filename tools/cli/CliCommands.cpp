#include "CliCommands.h"

#include "app/Globals.h"
#include "app/TALL.h"
#include "app/TfMaindb.h"
#include "codeplug/ChannelTable.h"
#include "codeplug/Codeplug.h"
#include "codeplug/DataFile.h"
#include "codeplug/TEnMsg.h"
#include "codeplug/TFrqList.h"
#include "codeplug/TFun.h"
#include "codeplug/TMacList.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/Utilities.h"

#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

namespace {

void err(const QString &text)
{
    std::fprintf(stderr, "zq410-cli: %s\n", qPrintable(text));
}

void out(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
}

// Options of the form "--name value" and "-o value"; everything else is positional.
struct Options
{
    QStringList positional;
    QMap<QString, QString> values;
    QStringList flags;
    QString problem;
};

Options parse(const QStringList &args, const QStringList &withValue, const QStringList &switches)
{
    Options o;
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (withValue.contains(a)) {
            if (i + 1 >= args.size()) {
                o.problem = QStringLiteral("option %1 needs a value").arg(a);
                return o;
            }
            o.values.insert(a, args[++i]);
        } else if (switches.contains(a)) {
            o.flags.append(a);
        } else if (a.startsWith(QLatin1Char('-')) && a.size() > 1) {
            o.problem = QStringLiteral("unknown option %1").arg(a);
            return o;
        } else {
            o.positional.append(a);
        }
    }
    return o;
}

// The model, band and empty codeplug the program holds right after start-up.
void makeStartupCodeplug(const TMacType *model, const QString &band)
{
    MakeModelCurrent(*ALL, model);
    AssignBandText(*ALL, band);
    ClearChannelTable(*Channels, ALL->ChannelCount);
    ALL->Modified = false;
}

QList<std::pair<const char *, qint32>> settingsOf(const TFun &f)
{
    return {{"BatterySave", f.BatterySave},
            {"BeepTone", f.BeepTone},
            {"SquelchLevel", f.SquelchLevel},
            {"SideKey", f.SideKey},
            {"TxTimeout", f.TxTimeout},
            {"VoxEnabled", f.VoxEnabled},
            {"VoxInhibitOnReceive", f.VoxInhibitOnReceive},
            {"VoxLevel", f.VoxLevel},
            {"VoiceLanguage", f.VoiceLanguage},
            {"ScanMode", f.ScanMode},
            {"VoicePrompt", f.VoicePrompt},
            {"HighVolInhibitTx", f.HighVolInhibitTx},
            {"LowVolInhibitTx", f.LowVolInhibitTx},
            {"Alarm", f.Alarm},
            {"FmRadio", f.FmRadio}};
}

const char *const kChannelKeys[] = {"number", "rx", "tx", "decode", "encode", "power", "width",
                                    "scanAdd", "beatShift", "busyLockout"};
const char *const kChannelTitles[] = {"No.", "RX", "TX", "Decode", "Encode", "Power", "W/N",
                                      "Scan Add", "Beat Shift", "Busy Lockout"};

QString quoted(const QString &s)
{
    return QLatin1Char('"') + s + QLatin1Char('"');
}

} // namespace

QString CliUsage()
{
    return QStringLiteral(
        "Usage: zq410-cli COMMAND [OPTIONS]\n"
        "\n"
        "Commands:\n"
        "  new [--model NAME|CODE] [--band TEXT] -o FILE\n"
        "      Write the data file of a new codeplug (the first model and its default band\n"
        "      unless given).\n"
        "  dump FILE [--json]\n"
        "      Show the model, band, save date, channels in use, function settings and\n"
        "      embedded message of a data file.\n"
        "  info\n"
        "      List the radio models, their limits, bands and band codes.\n"
        "\n"
        "Exit codes: 0 done, 1 input refused, 2 usage error.\n");
}

int RunNew(const QStringList &args)
{
    const Options o = parse(args, {QStringLiteral("--model"), QStringLiteral("--band"), QStringLiteral("-o")},
                            {QStringLiteral("--help")});
    if (o.flags.contains(QLatin1String("--help"))) {
        out(CliUsage());
        return ExitDone;
    }
    if (!o.problem.isEmpty() || !o.positional.isEmpty() || !o.values.contains(QStringLiteral("-o"))) {
        err(o.problem.isEmpty() ? QStringLiteral("new needs -o FILE and takes no other arguments") : o.problem);
        return ExitUsage;
    }
    TfMaindb db;
    const TMacType *model = MacList->ModelAt(0);
    if (o.values.contains(QStringLiteral("--model"))) {
        const QString m = o.values.value(QStringLiteral("--model"));
        model = MacList->FindByName(m);
        if (!model)
            model = MacList->FindByCode(m.trimmed());
        if (!model) {
            err(QStringLiteral("unknown model '%1' (see zq410-cli info)").arg(m));
            return ExitRefused;
        }
    }
    QString band = model->DefaultBand;
    if (o.values.contains(QStringLiteral("--band"))) {
        const QString wanted = o.values.value(QStringLiteral("--band"));
        band.clear();
        // Accept the band with or without its padding blanks ("27 - 72MHz" for " 27 -  72MHz").
        auto squeeze = [](QString s) { return s.remove(QLatin1Char(' ')).toUpper(); };
        for (const QString &b : model->Bands)
            if (b == wanted || squeeze(b) == squeeze(wanted))
                band = b;
        if (band.isEmpty()) {
            err(QStringLiteral("the %1 has no band '%2'; its bands are: %3")
                    .arg(model->Name, wanted, model->Bands.join(QStringLiteral(", "))));
            return ExitRefused;
        }
    }
    makeStartupCodeplug(model, band);
    if (!WriteDataFile(o.values.value(QStringLiteral("-o"))))
        return ExitRefused;
    return ExitDone;
}

int RunDump(const QStringList &args)
{
    const Options o = parse(args, {}, {QStringLiteral("--json"), QStringLiteral("--help")});
    if (o.flags.contains(QLatin1String("--help"))) {
        out(CliUsage());
        return ExitDone;
    }
    if (!o.problem.isEmpty() || o.positional.size() != 1) {
        err(o.problem.isEmpty() ? QStringLiteral("dump needs exactly one FILE") : o.problem);
        return ExitUsage;
    }
    const QString path = o.positional.first();
    TfMaindb db;
    makeStartupCodeplug(MacList->ModelAt(0), MacList->ModelAt(0)->DefaultBand);

    QString savedAt;
    {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) {
            CodeplugImage image;
            QString refusal;
            bool unknown = false;
            if (DecodeDataFile(f.readAll(), path, image, refusal, unknown))
                savedAt = image.savedAt;
        }
    }
    if (ReadDataFile(path) != ReadDataFileResult::Ok)
        return ExitRefused;

    std::vector<QStringList> rows;
    for (int k = 1; k <= ALL->ChannelCount; ++k) {
        const int r = k + 1;
        if (!Channels->rowInUse(r))
            continue;
        QStringList row{QString::number(k)};
        for (int c = ColRx; c <= ColBusyLockout; ++c)
            row.append(Channels->text(c, r));
        rows.push_back(row);
    }

    if (o.flags.contains(QLatin1String("--json"))) {
        QJsonObject root;
        root.insert(QStringLiteral("model"), ALL->ModelName);
        root.insert(QStringLiteral("modelCode"), ALL->ModelCode);
        root.insert(QStringLiteral("band"), ALL->BandText);
        root.insert(QStringLiteral("saved"), savedAt);
        QJsonArray channels;
        for (const QStringList &row : rows) {
            QJsonObject ch;
            for (int i = 0; i < row.size(); ++i)
                ch.insert(QLatin1String(kChannelKeys[i]), i == 0 ? QJsonValue(row[i].toInt()) : QJsonValue(row[i]));
            channels.append(ch);
        }
        root.insert(QStringLiteral("channels"), channels);
        QJsonObject settings;
        for (const auto &[name, value] : settingsOf(*Fun))
            settings.insert(QLatin1String(name), value);
        root.insert(QStringLiteral("settings"), settings);
        root.insert(QStringLiteral("message"),
                    QJsonObject{{QStringLiteral("line1"), EnMsg->Line1}, {QStringLiteral("line2"), EnMsg->Line2}});
        out(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
        return ExitDone;
    }

    QString text;
    text += QStringLiteral("Model: %1 (code %2)\n").arg(ALL->ModelName, ALL->ModelCode);
    text += QStringLiteral("Band: %1\n").arg(ALL->BandText);
    text += QStringLiteral("Saved: %1\n").arg(savedAt);
    text += QStringLiteral("Channels in use: %1\n").arg(rows.size());
    if (!rows.empty()) {
        QList<int> widths;
        for (const char *t : kChannelTitles)
            widths.append(int(qstrlen(t)));
        for (const QStringList &row : rows)
            for (int i = 0; i < row.size(); ++i)
                widths[i] = qMax(widths[i], int(row[i].size()));
        auto line = [&](const QStringList &cells) {
            QString l = QStringLiteral(" ");
            for (int i = 0; i < cells.size(); ++i)
                l += QLatin1Char(' ') + cells[i].leftJustified(widths[i]);
            while (l.endsWith(QLatin1Char(' ')))
                l.chop(1);
            return l + QLatin1Char('\n');
        };
        QStringList titles;
        for (const char *t : kChannelTitles)
            titles.append(QLatin1String(t));
        text += line(titles);
        for (const QStringList &row : rows)
            text += line(row);
    }
    text += QStringLiteral("Function settings:\n");
    for (const auto &[name, value] : settingsOf(*Fun))
        text += QStringLiteral("  %1 = %2\n").arg(QLatin1String(name)).arg(value);
    text += QStringLiteral("Embedded message:\n");
    text += QStringLiteral("  Line1 = %1\n").arg(quoted(EnMsg->Line1));
    text += QStringLiteral("  Line2 = %1\n").arg(quoted(EnMsg->Line2));
    out(text);
    return ExitDone;
}

int RunInfo(const QStringList &args)
{
    if (args.contains(QLatin1String("--help"))) {
        out(CliUsage());
        return ExitDone;
    }
    if (!args.isEmpty()) {
        err(QStringLiteral("info takes no arguments"));
        return ExitUsage;
    }
    TfMaindb db;
    QString text = QStringLiteral("%1 programming software\n").arg(ALL->ProductTitle);
    for (int i = 0; i < MacList->count(); ++i) {
        const TMacType *m = MacList->ModelAt(i);
        text += QStringLiteral("\nModel %1 (code %2)\n").arg(m->Name, m->Code);
        text += QStringLiteral("  Channels: %1\n").arg(m->ChannelCount);
        text += QStringLiteral("  Frequency limits: %1 - %2 MHz\n")
                    .arg(FormatNumber(m->FreqLimitB, 1), FormatNumber(m->FreqLimitA, 1));
        text += QStringLiteral("  Default band: %1\n").arg(m->DefaultBand);
        text += QStringLiteral("  Bands (code):\n");
        for (const QString &b : m->Bands)
            text += QStringLiteral("    %1  %2\n").arg(b).arg(FrqList->CodeOf(b));
    }
    text += QStringLiteral("\nBand table (code):\n");
    for (int i = 0; i < FrqList->count(); ++i)
        text += QStringLiteral("  %1  %2 (0x%3)\n")
                    .arg(FrqList->textAt(i))
                    .arg(FrqList->codeAt(i))
                    .arg(FrqList->codeAt(i), 2, 16, QLatin1Char('0'));
    out(text);
    return ExitDone;
}
