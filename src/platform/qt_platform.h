#pragma once
#include "platform/browser.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/settings.h"
#include <QPointer>
#include <QPrinter>
#include <QSettings>
#include <QWidget>
#include <memory>

class QPainter;

// Qt implementations of the platform interfaces used by the real program.

class QtMessages final : public Messages {
public:
    explicit QtMessages(QString title) : title(std::move(title)) {}
    void info(const QString& text) override;
    bool askYesNo(const QString& text) override;

private:
    QString title;
};

// QSettings under organisation and application "DFCF"; a section is a group.
class QtSettings final : public Settings {
public:
    QtSettings();
    QString read(const QString& section, const QString& key, const QString& fallback) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    bool contains(const QString& section, const QString& key) const override;

private:
    std::unique_ptr<QSettings> store;
};

// Prints through QPrinter; the selection dialog also offers printing to a PDF
// file, so a machine without a printer can still print.
class QtPrinter final : public Printer {
public:
    QtPrinter();
    bool choosePrinter() override;
    Result print(const PrintJob& job) override;
    // Sends the next documents to a PDF file without showing the dialog.
    void printToPdf(const QString& path);

private:
    // Draws a PNG picture below the first `used` pixels of the current page.
    Result drawImage(QPainter& painter, const QByteArray& png, int used);

    QPrinter printer;
    bool toPdfWithoutDialog = false;
};

// Qt's own file dialogs, not the desktop's: their texts follow the French
// translation the program loads, sizes and dates are French, and they open
// large enough to show every column.
class QtFileDialogs final : public FileDialogs {
public:
    QString saveFileName(const QString& caption, const QString& proposedPath, const QString& filter) override;
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override;
    QString existingFolder(const QString& caption, const QString& folder) override;
};

// The desktop's default browser.
class QtBrowser final : public Browser {
public:
    bool open(const QUrl& url) override;
};

// Copies every value of an earlier program's settings store into `ours` when
// ours holds none yet; true when it did. The earlier store is only read.
bool takeEarlierSettings(QSettings& ours, const QSettings& earlier);
