#pragma once

#include <QLineEdit>

// A line of the embedded message: at most 32 characters, and text pasted from the clipboard
// (by shortcut, context menu or middle click) keeps only the characters the keys may type.
// Texts set by the program are shown as they are.
class MessageEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MessageEdit(QWidget *parent = nullptr);

    void pasteFiltered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showMenu(const QPoint &pos);
};

// The characters of the message keys: space, digits and the letters A-Z, a-z.
QString FilterMessageText(const QString &text);
// The message key filter: Backspace, Enter and the characters above.
bool MessageCharAllowed(QChar c);
