#pragma once
#include "platform/result.h"
#include <QString>
#include <QStringList>

// A document of plain text lines printed in one font; the printer starts a new
// page by itself when a page is full.
struct PrintJob {
    QString fontName = "Courier New";
    int pointSize = 9;
    bool bold = true;
    QStringList lines;
};

class Printer {
public:
    virtual ~Printer() = default;
    // Shows the printer-selection dialog; false when the user cancelled it.
    virtual bool choosePrinter() = 0;
    // Prints on the chosen printer; a failure is returned, never hidden.
    virtual Result print(const PrintJob& job) = 0;
};
