#include "channels/ToneCodes.h"

#include "app/Utilities.h"

namespace {

const char *const kCtcss[] = {"67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",
                              "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9",
                              "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3", "146.2",
                              "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2", "192.8",
                              "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};

const char *const kDcs[] = {"023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072",
                            "073", "074", "114", "115", "116", "125", "131", "132", "134", "143", "152", "155",
                            "156", "162", "165", "172", "174", "205", "223", "226", "243", "244", "245", "251",
                            "261", "263", "265", "271", "306", "311", "315", "331", "343", "346", "351", "364",
                            "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465", "466",
                            "503", "506", "516", "532", "546", "565", "606", "612", "624", "627", "631", "632",
                            "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

// The picker's CTCSS table: code, tone and label of its 42 entries.
const char *const kPickerCtcss[][2] = {
    {"67.0", "XZ"},  {"69.3", "WZ"},  {"71.9", "XA"},  {"74.4", "WA"},  {"77.0", "XB"},  {"79.7", "WB"},
    {"82.5", "YZ"},  {"85.4", "YA"},  {"88.5", "YB"},  {"91.5", "ZZ"},  {"94.8", "ZA"},  {"97.4", "ZB"},
    {"100.0", "1Z"}, {"103.5", "1A"}, {"107.2", "1B"}, {"110.9", "2Z"}, {"114.8", "2A"}, {"118.8", "2B"},
    {"123.0", "3Z"}, {"127.3", "3A"}, {"131.8", "3B"}, {"136.5", "4Z"}, {"141.3", "4A"}, {"146.2", "4B"},
    {"151.4", "5Z"}, {"156.7", "5A"}, {"162.2", "5B"}, {"167.9", "6Z"}, {"173.8", "6A"}, {"179.9", "6B"},
    {"186.2", "7Z"}, {"192.8", "7A"}, {"203.5", "M1"}, {"206.5", "8Z"}, {"210.7", "M2"}, {"218.1", "M3"},
    {"225.7", "M4"}, {"229.1", "9Z"}, {"233.6", "M5"}, {"241.8", "M6"}, {"250.3", "M7"}, {"254.1", "0Z"}};

bool isOctal(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('7');
}

} // namespace

QStringList DropDownToneList()
{
    QStringList items{QStringLiteral("None")};
    for (const char *t : kCtcss)
        items.append(QLatin1String(t));
    for (const char *code : kDcs)
        items.append(QLatin1Char('D') + QLatin1String(code) + QLatin1Char('N'));
    for (const char *code : kDcs)
        items.append(QLatin1Char('D') + QLatin1String(code) + QLatin1Char('I'));
    return items;
}

QStringList PickerToneValues()
{
    QStringList values;
    int n = 1;
    for (const auto &entry : kPickerCtcss) {
        values.append(QStringLiteral("%1-%2-%3")
                          .arg(n, 2, 16, QLatin1Char('0'))
                          .toUpper()
                          .arg(QLatin1String(entry[0]), QLatin1String(entry[1])));
        ++n;
    }
    for (int i = 0; i < 3; ++i)
        values.append(QString());
    // The picker offers two DCS codes more than the drop-down list: 525 and 645.
    QStringList codes;
    for (const char *code : kDcs)
        codes.append(QLatin1String(code));
    codes.append(QStringLiteral("525"));
    codes.append(QStringLiteral("645"));
    codes.sort();
    for (int i = 0; i < codes.size(); ++i)
        values.append(QStringLiteral("%1-D%2").arg(i + 1).arg(codes[i]));
    for (int i = 0; i < 3; ++i)
        values.append(QString());
    return values;
}

QString NormalizeToneText(const QString &text)
{
    if (text.isEmpty())
        return text;
    if (text.at(0).isDigit() && text.at(0).unicode() < 128) {
        double v = 0.0;
        if (!ParseNumber(text, v))
            return QStringLiteral("290.0");
        v = qBound(30.0, v, 290.0);
        return FormatNumber(v, 1);
    }
    if (text.size() == 5 && text.at(0) == QLatin1Char('D') && isOctal(text.at(1)) && isOctal(text.at(2))
        && isOctal(text.at(3))) {
        const QChar p = text.at(4);
        if (p == QLatin1Char('N') || p == QLatin1Char('I') || p == QLatin1Char('n') || p == QLatin1Char('i'))
            return text.left(4) + p.toUpper();
    }
    return QStringLiteral("D777N");
}
