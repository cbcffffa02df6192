#pragma once
#include "platform/result.h"
#include <QByteArray>
#include <QString>
#include <QList>
#include <QStringList>

// A document of plain text lines printed in one font; the printer starts a new
// page by itself when a page is full.
struct PrintJob {
    QString fontName = "Courier New";
    int pointSize = 9;
    bool bold = true;
    QStringList lines;
    // First line of each block that must not be split across two pages (a
    // QSL card); a block longer than a page is split all the same.
    QList<int> keepTogether;
    // A picture (PNG bytes) printed under the lines on their last page,
    // scaled to the room left and keeping its proportions: a chart.
    QByteArray image;
};

// Lines that begin a new page, for pages of linesPerPage lines.
QList<int> pageStarts(int lineCount, int linesPerPage, const QList<int>& keepTogether);

class Printer {
public:
    virtual ~Printer() = default;
    // Shows the printer-selection dialog; false when the user cancelled it.
    virtual bool choosePrinter() = 0;
    // Prints on the chosen printer; a failure is returned, never hidden.
    virtual Result print(const PrintJob& job) = 0;
};
