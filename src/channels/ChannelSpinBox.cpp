#include "channels/ChannelSpinBox.h"

#include <algorithm>

ChannelSpinBox::ChannelSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State ChannelSpinBox::validate(QString &input, int &) const
{
    const QString t = input.trimmed();
    if (t.isEmpty())
        return QValidator::Intermediate;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok)
        return QValidator::Intermediate;
    return v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void ChannelSpinBox::fixup(QString &input) const
{
    const QString t = input.trimmed();
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok) {
        // Too many digits to convert: only a number far above the maximum looks like that.
        if (!t.isEmpty())
            input = QString::number(maximum());
        return;
    }
    input = QString::number(std::clamp<qlonglong>(v, minimum(), maximum()));
}
