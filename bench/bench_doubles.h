#pragma once
#include "platform/messages.h"
#include "platform/settings.h"
#include <QApplication>
#include <QHash>
#include <benchmark/benchmark.h>

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

// main() of a benchmark that opens windows: offscreen unless told otherwise.
inline int runWindowBenchmarks(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
