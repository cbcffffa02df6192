#pragma once
#include <QString>

// Message boxes: OK only, or Yes/No returning the choice.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void info(const QString& text) = 0;
    virtual bool askYesNo(const QString& text) = 0;
};
