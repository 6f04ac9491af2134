#pragma once

#include <QObject>
#include <QVariant>

// A component's Tag: the command number of menu items and tool bar buttons, and -2 / -3 on lists
// and grids to steer their translation. Kept as the integer property "Tag" of the object.
inline void SetTag(QObject *object, int tag)
{
    object->setProperty("Tag", tag);
}

inline int TagOf(const QObject *object)
{
    return object->property("Tag").toInt();
}
