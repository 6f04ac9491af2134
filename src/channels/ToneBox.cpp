#include "channels/ToneBox.h"

#include "app/Tag.h"
#include "channels/FrequencyBox.h"
#include "channels/ToneCodes.h"

#include <QKeyEvent>
#include <QLineEdit>

ToneBox::ToneBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // An inline completion would turn a typed "88" into "88.5".
    setCompleter(nullptr);
    setMaxVisibleItems(20);
    addItems(DropDownToneList());
    SetTag(this, -3);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this] { emit valueCommitted(); });
    connect(lineEdit(), &QLineEdit::editingFinished, this, &ToneBox::editFinished);
}

int ToneBox::shownItemIndex() const
{
    return findText(currentText().trimmed(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void ToneBox::selectItem(int index)
{
    setCurrentIndex(index);
    setEditText(itemText(index));
    lineEdit()->setModified(false);
}

void ToneBox::setToneText(const QString &text)
{
    // The current item follows the text, so that leaving the box does not take the shown text
    // for a new choice.
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        setCurrentIndex(index);
    setEditText(text);
    lineEdit()->setModified(false);
}

void ToneBox::CheckTone()
{
    if (currentText().trimmed().isEmpty())
        selectItem(0);
    if (shownItemIndex() != 0)
        setToneText(NormalizeToneText(currentText().trimmed()));
}

QString ToneBox::cellText(const QString &noToneText) const
{
    return shownItemIndex() == 0 ? noToneText : currentText();
}

void ToneBox::editFinished()
{
    if (!lineEdit()->isModified())
        return;
    lineEdit()->setModified(false);
    emit valueCommitted();
}

bool ToneBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit()) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            emit doubleClicked();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                lineEdit()->setModified(false);
                emit valueCommitted();
                return true;
            }
            const QString text = key->text();
            if (IsTypedCharacter(key)) {
                const QChar c = text.size() == 1 ? FilterToneKey(text.at(0)) : QChar();
                if (c.isNull())
                    return true;
                if (c != text.at(0)) {
                    lineEdit()->insert(QString(c));
                    return true;
                }
            }
        }
    }
    return QComboBox::eventFilter(watched, event);
}

QChar FilterToneKey(QChar c)
{
    if (c == QLatin1Char(','))
        return QLatin1Char('.');
    if (c == QLatin1Char('\b') || c == QLatin1Char('\r') || c == QLatin1Char('.'))
        return c;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c;
    static const QString letters = QStringLiteral("DINdin");
    return letters.contains(c) ? c : QChar();
}
