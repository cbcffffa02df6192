#pragma once
#include "platform/browser.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/settings.h"
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QStringList>

// Test doubles of the platform interfaces; they record what the program said.

class FakeMessages final : public Messages {
public:
    QStringList shown;         // every text, OK boxes and questions alike, in order
    QList<bool> answers;       // answers to the next questions; Yes when empty
    void info(const QString& text) override { shown << text; }
    bool askYesNo(const QString& text) override
    {
        shown << text;
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    QString last() const { return shown.isEmpty() ? QString() : shown.last(); }
};

class FakeSettings final : public Settings {
public:
    QMap<QString, QString> values; // "section/key" -> value
    QString read(const QString& section, const QString& key, const QString& fallback) const override
    {
        return values.value(section + '/' + key, fallback);
    }
    void write(const QString& section, const QString& key, const QString& value) override
    {
        values[section + '/' + key] = value;
    }
    bool contains(const QString& section, const QString& key) const override
    {
        return values.contains(section + '/' + key);
    }
};

class FixedClock final : public Clock {
public:
    QDateTime instant = QDateTime(QDate(2008, 2, 5), QTime(9, 5, 7), Qt::UTC);
    QDateTime now() const override { return instant; }
};

class FakePrinter final : public Printer {
public:
    bool accept = true;      // what the selection dialog answers
    int dialogs = 0;
    QList<PrintJob> jobs;    // documents printed
    Result outcome = Result::success();
    bool choosePrinter() override
    {
        ++dialogs;
        return accept;
    }
    Result print(const PrintJob& job) override
    {
        jobs << job;
        return outcome;
    }
};

class FakeBrowser final : public Browser {
public:
    QList<QUrl> opened;  // every address asked for, taken or not
    bool takes = true;   // false: no browser answers
    bool open(const QUrl& url) override
    {
        opened << url;
        return takes;
    }
};

class FakeFileDialogs final : public FileDialogs {
public:
    QStringList answers;   // names returned by the next dialogs; cancelled when empty
    QStringList proposed;  // the path or folder each dialog was opened on
    QString saveFileName(const QString&, const QString& proposedPath, const QString&) override
    {
        return answer(proposedPath);
    }
    QString openFileName(const QString&, const QString& folder, const QString&) override { return answer(folder); }
    QString existingFolder(const QString&, const QString& folder) override { return answer(folder); }

private:
    QString answer(const QString& offered)
    {
        proposed << offered;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};
