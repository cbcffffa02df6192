#pragma once
#include <QString>

// What a routine that can fail tells its caller: ok, or a French message for
// the operator plus a technical detail (file name, system error).
struct Result {
    bool ok = true;
    QString message;
    QString detail;

    static Result success() { return {}; }
    static Result failure(QString message, QString detail = {})
    {
        return {false, std::move(message), std::move(detail)};
    }
    explicit operator bool() const { return ok; }
    // The text shown to the operator: the message, then the detail on its own line.
    QString text() const { return detail.isEmpty() ? message : message + "\r\n" + detail; }
};
