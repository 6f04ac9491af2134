#include "i18n/SysInfo.h"

#include "app/TALL.h"
#include "i18n/IniFile.h"

#include <QDir>

#include <limits>

namespace {

const QString Section = QStringLiteral("SysInfo");
const QString DefaultLanguageList = QStringLiteral("Chinese|English");
const QString DefaultDisplayList = QStringLiteral("中文|英文");

bool toInteger(const QString &text, qint32 &value)
{
    bool ok = false;
    const int parsed = text.toInt(&ok, 10);
    if (ok)
        value = parsed;
    return ok;
}

}

QString SysInfoFilePath(const TALL &all)
{
    return all.AppDir + QStringLiteral("SysInfo.Ini");
}

QStringList SplitLanguageList(const QString &value)
{
    QStringList entries;
    QString rest = value;
    while (!rest.isEmpty()) {
        const qsizetype bar = rest.indexOf(QLatin1Char('|'));
        if (bar < 0) {
            entries << rest;
            break;
        }
        entries << rest.left(bar);
        rest = rest.mid(bar + 1);
    }
    return entries;
}

QString PickLanguageName(const QString &list, int index)
{
    const QStringList entries = SplitLanguageList(list);
    return index >= 0 && index < entries.size() ? entries.at(index) : QString();
}

void ReadSysInfo(TALL &all)
{
    const IniFile file(SysInfoFilePath(all));
    all.PortName = file.readString(Section, QStringLiteral("Com"), QStringLiteral("Com1"));
    const QString languageText = file.readString(Section, QStringLiteral("DefaultLanguage"), QStringLiteral("0"));
    all.HelpPrefix = file.readString(Section, QStringLiteral("Help"), QStringLiteral("QM"));

    qint32 index = 0;
    all.LanguageIndex = toInteger(languageText, index) ? index : 0;

    qint32 picture = 0;
    const bool pictureOk = toInteger(file.readString(Section, QStringLiteral("PicID"), QStringLiteral("0")), picture);
    all.PictureIndex = pictureOk && picture < std::numeric_limits<qint32>::max() ? picture + 1 : 1;

    const QString list = file.readString(Section, QStringLiteral("Language"), DefaultLanguageList);
    all.LanguageName = PickLanguageName(list, all.LanguageIndex);
}

QString WriteSysInfo(const TALL &all)
{
    const QString path = SysInfoFilePath(all);
    IniFile file(path);
    const bool written = file.writeString(Section, QStringLiteral("Com"), all.PortName)
                         && file.writeString(Section, QStringLiteral("DefaultLanguage"),
                                             QString::number(all.LanguageIndex))
                         && file.writeString(Section, QStringLiteral("PicID"), QString::number(qint64(all.PictureIndex) - 1))
                         && file.save();
    return written ? QString() : QStringLiteral("Unable to write to ") + QDir::toNativeSeparators(path);
}

void ReadLanguageLists(const TALL &all, QStringList &displayNames, QStringList &fileNames)
{
    const IniFile file(SysInfoFilePath(all));
    fileNames << SplitLanguageList(file.readString(Section, QStringLiteral("Language"), DefaultLanguageList));
    displayNames << SplitLanguageList(file.readString(Section, all.LanguageName, DefaultDisplayList));
}
