#include "report/TMemTable.h"

namespace {

int charWidth(char32_t u)
{
    return u < 0x80 ? 1 : 2;
}

} // namespace

void TMemTable::AddField(const QString &name, FieldType type, int size)
{
    m_fields.append({name, type, size});
}

int TMemTable::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TMemTable::Append(const QList<QPair<QString, QVariant>> &values)
{
    QList<QVariant> row;
    for (const Field &f : m_fields)
        row.append(f.type == Integer ? QVariant(0) : QVariant(QString()));
    for (const auto &[name, value] : values) {
        const int i = fieldIndex(name);
        if (i < 0)
            continue;
        const Field &f = m_fields[i];
        row[i] = f.type == Integer ? QVariant(value.toInt()) : QVariant(CutToLegacyWidth(value.toString(), f.size));
    }
    m_rows.append(row);
}

QVariant TMemTable::Value(int row, const QString &field) const
{
    const int i = fieldIndex(field);
    if (row < 0 || row >= m_rows.size() || i < 0)
        return {};
    return m_rows[row][i];
}

int TMemTable::LegacyByteWidth(const QString &text)
{
    int n = 0;
    for (char32_t u : text.toUcs4())
        n += charWidth(u);
    return n;
}

QString TMemTable::CutToLegacyWidth(const QString &text, int bytes)
{
    if (bytes <= 0)
        return text;
    int used = 0;
    QString out;
    for (char32_t u : text.toUcs4()) {
        const int w = charWidth(u);
        if (used + w > bytes)
            break;
        used += w;
        out.append(QString::fromUcs4(&u, 1));
    }
    return out;
}
