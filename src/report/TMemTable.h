#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// An in-memory table of the report: named fields, rows kept in the order appended. Text fields
// hold at most their width in bytes of the legacy 8-bit Chinese code page (a Chinese character
// counts two bytes); a longer text is cut at a character boundary when it is stored.
class TMemTable
{
public:
    enum FieldType { Text, Integer };
    struct Field
    {
        QString name;
        FieldType type = Text;
        int size = 0;
    };

    void AddField(const QString &name, FieldType type, int size = 0);
    const QList<Field> &fields() const { return m_fields; }
    int fieldIndex(const QString &name) const;

    // Appends a row; values are given by field name, missing fields stay empty (0 for integers).
    void Append(const QList<QPair<QString, QVariant>> &values);
    void Clear() { m_rows.clear(); }
    void Delete(int row)
    {
        if (row >= 0 && row < m_rows.size())
            m_rows.removeAt(row);
    }
    int RowCount() const { return int(m_rows.size()); }
    QVariant Value(int row, const QString &field) const;
    QString TextAt(int row, const QString &field) const { return Value(row, field).toString(); }

    // Width of a text in bytes of the legacy code page.
    static int LegacyByteWidth(const QString &text);
    // The longest head of the text that fits the width, never ending inside a character.
    static QString CutToLegacyWidth(const QString &text, int bytes);

private:
    QList<Field> m_fields;
    QList<QList<QVariant>> m_rows;
};
