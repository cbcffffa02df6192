#pragma once
#include <QString>

// Every control carries its name in the program as its object name, so that
// tests and the screenshot tool find it.
template <class W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
