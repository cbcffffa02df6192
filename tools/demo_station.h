#pragma once
#include "platform/clock.h"
#include "platform/qt_platform.h"
#include "platform/text_file.h"
#include "logbook/app_context.h"
#include <QDir>

// The station F5ABC as the picture tools show it: its log written in the
// data directory, the settings naming it, and the Qt parts a window needs.
struct DemoStation {
    QtSettings settings;
    SystemClock clock;
    QtPrinter printer;
    AppContext context;

    DemoStation(const QString& dataDir, Messages& messages, const QStringList& log)
    {
        const QDir dir(dataDir);
        writeLinesAtomically(dir.filePath(QStringLiteral("F5ABC_DFCF.log")), dir.filePath(QStringLiteral("x.tmp")), log);
        settings.write(QStringLiteral("Setup "), QStringLiteral("Indicatif Station"), QStringLiteral("F5ABC"));
        context.dataDir = dataDir;
        context.messages = &messages;
        context.settings = &settings;
        context.clock = &clock;
        context.printer = &printer;
    }
};
