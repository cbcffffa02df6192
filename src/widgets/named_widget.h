#pragma once
#include <QString>

class QFrame;

// Every control carries its name in the program as its object name, so that
// tests and the screenshot tool find it.
template <class W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The framed title at the top of the score and award windows: large, bold, centred.
QFrame* titleFrame(const char* frameName, const char* labelName, const QString& title);
