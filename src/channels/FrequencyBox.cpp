#include "channels/FrequencyBox.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>

FrequencyBox::FrequencyBox(QWidget *parent)
    : QLineEdit(parent)
{
    // Pasted text obeys the same rule as typed keys.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::editingFinished, this, &FrequencyBox::commit);
}

void FrequencyBox::setFrequencyText(const QString &text)
{
    setText(text);
    setModified(false);
}

void FrequencyBox::commit()
{
    if (!isModified())
        return;
    // Cleared first: a message box shown by the handler takes the focus and ends the edit again.
    setModified(false);
    emit valueCommitted();
}

void FrequencyBox::keyPressEvent(QKeyEvent *event)
{
    if (!FrequencyKeyAllowed(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

bool FrequencyKeyAllowed(const QKeyEvent *event)
{
    if (!IsTypedCharacter(event))
        return true;
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const QChar c = text.at(0);
    if (c == QLatin1Char('\b') || c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('.'))
        return true;
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsTypedCharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const QChar c = text.at(0);
    if (c == QLatin1Char('\b') || c == QLatin1Char('\r') || c == QLatin1Char('\n'))
        return true;
    // Delete, Escape and Tab carry control characters but type nothing.
    return c.unicode() >= 32 && c.unicode() != 127;
}
