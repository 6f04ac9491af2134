#pragma once

#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

// Small helpers the dialogs build their controls with. Every control gets its component name,
// which is also its key in the language files.

template<typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline QLabel *makeLabel(QWidget *parent, const char *name, const QString &text)
{
    return named(new QLabel(text, parent), name);
}

// A fixed list; `index` selects an item, -1 keeps the first item selected as the list starts.
inline QComboBox *makeList(QWidget *parent, const char *name, const QStringList &items, int index = -1)
{
    auto *box = named(new QComboBox(parent), name);
    box->addItems(items);
    if (index >= 0)
        box->setCurrentIndex(index);
    return box;
}
