#include "i18n/IniFile.h"

#include "i18n/CodePage.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF");

bool sectionName(const QString &line, QString &name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    return true;
}

bool keyLine(const QString &line, QString &key, QString &value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    key = t.left(eq).trimmed();
    if (key.isEmpty())
        return false;
    value = t.mid(eq + 1).trimmed();
    if (value.size() >= 2 && value.front() == value.back()
        && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        value = value.mid(1, value.size() - 2);
    return true;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

// Length of the longest prefix of at most max bytes that ends on a character boundary.
qsizetype utf8Cut(const QByteArray &bytes, qsizetype max)
{
    qsizetype n = max;
    while (n > 0 && (uchar(bytes.at(n)) & 0xC0) == 0x80)
        --n;
    return n;
}

qsizetype gbkCut(const QByteArray &bytes, qsizetype max)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype step = uchar(bytes.at(i)) >= 0x81 ? 2 : 1;
        if (i + step > max)
            break;
        i += step;
    }
    return i;
}

}

IniFile::IniFile(const QString &path)
    : m_path(path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    m_read = true;
    parse(file.readAll());
}

void IniFile::parse(const QByteArray &all)
{
    QByteArray data = all;
    if (data.startsWith(Utf8Bom)) {
        m_bom = true;
        data.remove(0, Utf8Bom.size());
        m_encoding = Encoding::Utf8;
    } else {
        m_encoding = isUtf8(data) ? Encoding::Utf8 : Encoding::Gbk;
    }

    // "\n" never occurs inside a character of either encoding, so lines split safely as bytes.
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        end = end < 0 ? data.size() : end + 1;
        Line line;
        line.raw = data.mid(start, end - start);
        QByteArray body = line.raw;
        while (body.endsWith('\n') || body.endsWith('\r'))
            body.chop(1);
        line.text = decode(body);
        m_lines.append(line);
        start = end;
    }
}

QString IniFile::decode(const QByteArray &bytes) const
{
    if (m_encoding == Encoding::Gbk) {
        QString text;
        if (CodePage::toUnicode(bytes, text))
            return text;
    }
    return QString::fromUtf8(bytes);
}

bool IniFile::encode(const QString &text, QByteArray &bytes) const
{
    if (m_encoding == Encoding::Gbk)
        return CodePage::fromUnicode(text, bytes);
    bytes = text.toUtf8();
    return true;
}

QString IniFile::cutValue(const QString &value) const
{
    QByteArray bytes;
    if (!encode(value, bytes) || bytes.size() <= MaxValueBytes)
        return value;
    if (m_encoding == Encoding::Gbk)
        bytes.truncate(gbkCut(bytes, MaxValueBytes));
    else
        bytes.truncate(utf8Cut(bytes, MaxValueBytes));
    return decode(bytes);
}

int IniFile::findSection(const QString &section) const
{
    QString name;
    for (int i = 0; i < m_lines.size(); ++i) {
        if (sectionName(m_lines[i].text, name) && sameName(name, section))
            return i;
    }
    return -1;
}

// The line after the last line of the section that begins at sectionLine.
int IniFile::sectionEnd(int sectionLine) const
{
    QString name;
    int i = sectionLine + 1;
    while (i < m_lines.size() && !sectionName(m_lines[i].text, name))
        ++i;
    return i;
}

IniFile::Entry IniFile::findKey(int sectionLine, const QString &key) const
{
    Entry entry;
    const int end = sectionEnd(sectionLine);
    QString name;
    QString value;
    for (int i = sectionLine + 1; i < end; ++i) {
        if (keyLine(m_lines[i].text, name, value) && sameName(name, key)) {
            entry.line = i;
            entry.value = value;
            break;
        }
    }
    return entry;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const int s = findSection(section);
    if (s < 0)
        return defaultValue;
    const Entry entry = findKey(s, key);
    if (entry.line < 0)
        return defaultValue;
    return cutValue(entry.value);
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key).line >= 0;
}

QByteArray IniFile::lineEnding() const
{
    for (const Line &line : m_lines) {
        if (line.raw.endsWith("\r\n"))
            return QByteArrayLiteral("\r\n");
        if (line.raw.endsWith('\n'))
            return QByteArrayLiteral("\n");
    }
#ifdef Q_OS_WIN
    return QByteArrayLiteral("\r\n");
#else
    return QByteArrayLiteral("\n");
#endif
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    auto oneLine = [](const QString &t) {
        return !t.contains(QLatin1Char('\n')) && !t.contains(QLatin1Char('\r'));
    };
    const QString sectionTrimmed = section.trimmed();
    const QString keyTrimmed = key.trimmed();
    if (sectionTrimmed.isEmpty() || sectionTrimmed.contains(QLatin1Char(']')) || keyTrimmed.isEmpty()
        || keyTrimmed.contains(QLatin1Char('=')) || keyTrimmed.startsWith(QLatin1Char(';'))
        || keyTrimmed.startsWith(QLatin1Char('[')) || !oneLine(sectionTrimmed) || !oneLine(keyTrimmed)
        || !oneLine(value)) {
        m_error = QStringLiteral("Cannot write key \"%1\" of section [%2]").arg(key, section);
        return false;
    }

    // Blanks around a value and a pair of enclosing quotes would be lost on reading; quoting the
    // value keeps it as written.
    QString stored = value;
    if (stored != stored.trimmed()
        || (stored.size() >= 2 && stored.front() == stored.back()
            && (stored.front() == QLatin1Char('"') || stored.front() == QLatin1Char('\''))))
        stored = QLatin1Char('"') + stored + QLatin1Char('"');

    const QByteArray eol = lineEnding();
    auto makeLine = [&](const QString &text, const QByteArray &ending, Line &line) {
        line.text = text;
        if (!encode(text, line.raw))
            return false;
        line.raw += ending;
        return true;
    };

    const int s = findSection(sectionTrimmed);
    if (s >= 0) {
        const Entry entry = findKey(s, keyTrimmed);
        if (entry.line >= 0) {
            Line &old = m_lines[entry.line];
            const QString name = old.text.left(old.text.indexOf(QLatin1Char('='))).trimmed();
            QByteArray ending = old.raw.endsWith("\r\n") ? QByteArrayLiteral("\r\n")
                                : old.raw.endsWith('\n') ? QByteArrayLiteral("\n")
                                                         : QByteArray();
            Line line;
            if (!makeLine(name + QLatin1Char('=') + stored, ending, line)) {
                m_error = QStringLiteral("Cannot write key \"%1\" in the file's encoding").arg(key);
                return false;
            }
            m_lines[entry.line] = line;
            return true;
        }
        // After the section's last non-blank line, so blank lines before the next section stay.
        int at = sectionEnd(s);
        while (at > s + 1 && m_lines[at - 1].text.trimmed().isEmpty())
            --at;
        Line line;
        if (!makeLine(keyTrimmed + QLatin1Char('=') + stored, eol, line)) {
            m_error = QStringLiteral("Cannot write key \"%1\" in the file's encoding").arg(key);
            return false;
        }
        if (!m_lines[at - 1].raw.endsWith('\n'))
            m_lines[at - 1].raw += eol;
        m_lines.insert(at, line);
        return true;
    }

    Line header;
    Line line;
    if (!makeLine(QLatin1Char('[') + sectionTrimmed + QLatin1Char(']'), eol, header)
        || !makeLine(keyTrimmed + QLatin1Char('=') + stored, eol, line)) {
        m_error = QStringLiteral("Cannot write key \"%1\" in the file's encoding").arg(key);
        return false;
    }
    if (!m_lines.isEmpty() && !m_lines.back().raw.endsWith('\n'))
        m_lines.back().raw += eol;
    m_lines.append(header);
    m_lines.append(line);
    return true;
}

bool IniFile::save()
{
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = file.errorString();
        return false;
    }
    QByteArray data;
    if (m_bom)
        data += Utf8Bom;
    for (const Line &line : m_lines)
        data += line.raw;
    if (file.write(data) != data.size() || !file.commit()) {
        m_error = file.errorString();
        file.cancelWriting();
        return false;
    }
    m_error.clear();
    return true;
}
