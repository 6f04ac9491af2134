#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A configuration file in the private-profile format: "[Section]" lines and "key=value" lines.
// Reading: section and key names match without regard to case, the first matching section and
// the first matching key in it win, blanks around names and values are dropped, one pair of
// matching quotes around a value is dropped, lines starting with ";" are comments, a value is cut
// to 2047 bytes, and a missing file, section or key gives the caller's default.
// Writing changes only the line of the key written (or adds it); every other line is written back
// byte for byte, in the encoding the file was read in, and the file is replaced atomically.
class IniFile
{
public:
    enum class Encoding { Utf8, Gbk };

    static constexpr int MaxValueBytes = 2047;

    // Reads the whole file now; the file is not kept open.
    explicit IniFile(const QString &path);

    QString path() const { return m_path; }
    // False when the file is missing or cannot be read.
    bool wasRead() const { return m_read; }
    Encoding encoding() const { return m_encoding; }

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    bool contains(const QString &section, const QString &key) const;

    // Changes the key in memory: replaces its value in place, or adds the key at the end of its
    // section, or adds the section at the end of the file. Refuses names and values that cannot
    // stand on one line or in the file's encoding.
    bool writeString(const QString &section, const QString &key, const QString &value);

    // Replaces the file on disk with the lines in memory. On failure the file is unchanged.
    bool save();
    QString errorString() const { return m_error; }

private:
    struct Line
    {
        QByteArray raw;     // the bytes of the line, its line ending included
        QString text;       // the decoded line without its ending
    };
    struct Entry
    {
        int line = -1;
        QString value;
    };

    void parse(const QByteArray &data);
    QString decode(const QByteArray &bytes) const;
    bool encode(const QString &text, QByteArray &bytes) const;
    QString cutValue(const QString &value) const;
    int findSection(const QString &section) const;
    int sectionEnd(int sectionLine) const;
    Entry findKey(int sectionLine, const QString &key) const;
    QByteArray lineEnding() const;

    QString m_path;
    bool m_read = false;
    Encoding m_encoding = Encoding::Utf8;
    bool m_bom = false;
    QList<Line> m_lines;
    QString m_error;
};
