#include "settings/MessageEdit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

MessageEdit::MessageEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setMaxLength(32);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &MessageEdit::showMenu);
}

void MessageEdit::pasteFiltered()
{
    if (!isReadOnly())
        insert(FilterMessageText(QGuiApplication::clipboard()->text()));
}

void MessageEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void MessageEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        if (!isReadOnly())
            insert(FilterMessageText(clipboard->text(QClipboard::Selection)));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void MessageEdit::showMenu(const QPoint &pos)
{
    QMenu *menu = createStandardContextMenu();
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, &MessageEdit::pasteFiltered);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(mapToGlobal(pos));
}

QString FilterMessageText(const QString &text)
{
    QString kept;
    for (const QChar c : text)
        if (MessageCharAllowed(c) && c != QLatin1Char('\b') && c != QLatin1Char('\r'))
            kept += c;
    return kept;
}

bool MessageCharAllowed(QChar c)
{
    const ushort u = c.unicode();
    return u == 8 || u == 13 || u == ' ' || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}
