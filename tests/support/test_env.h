#pragma once
#include "support/fake_platform.h"
#include "support/qt_printers.h"
#include "logbook/app_context.h"
#include <QByteArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test gets its own data directory and in-memory settings; no test
// touches the operator's files or settings.
class DataDirTest : public ::testing::Test {
protected:
    DataDirTest();

    QString path(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    bool exists(const QString& name) const;
    // Writes the lines, Windows-1252 and CR LF, as the program does.
    void writeLines(const QString& name, const QStringList& lines) const;
    // Log of the context's station.
    void writeLog(const QStringList& lines) const;
    QByteArray logBytes() const;
    QString logName() const;
    // Copies a file shipped in assets/ into the data directory.
    void copyAsset(const QString& name) const;

    QTemporaryDir dir;
    FakeMessages messages;
    FakeSettings settings;
    FixedClock clock;
    FakePrinter printer;
    FakeFileDialogs fileDialogs;
    FakeBrowser browser;
    AppContext context;
};

// Points QSettings and QStandardPaths into home, for the whole test run:
// the user's real configuration and data stay out of reach.
void keepUserFoldersOutOfReach(const QTemporaryDir& home);

// Pages of a PDF file written by QtPrinter.
int pdfPageCount(const QByteArray& pdf);

// A log line from field values, for tests.
QString qsoLine(const QString& call, const QString& dpt, const QString& ref, const QString& date,
                const QString& time, const QString& band, bool qsl = false, const QString& castle = "C. ",
                const QString& mode = "SSB", const QString& prenom = "");
