#pragma once
#include "platform/messages.h"
#include "platform/settings.h"
#include <QHash>

// The platform of a window under measure: settings in memory, every question
// answered yes, nothing shown.
class MemorySettings final : public Settings {
public:
    QHash<QString, QString> values;
    QString read(const QString& s, const QString& k, const QString& f) const override { return values.value(s + k, f); }
    void write(const QString& s, const QString& k, const QString& v) override { values[s + k] = v; }
    bool contains(const QString& s, const QString& k) const override { return values.contains(s + k); }
};

class SilentMessages final : public Messages {
public:
    void info(const QString&) override {}
    bool askYesNo(const QString&) override { return true; }
};
