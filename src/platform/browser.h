#pragma once
#include <QUrl>

// The operator's own web browser, for builds that show no page themselves.
class Browser {
public:
    virtual ~Browser() = default;
    // False when no browser took the address.
    virtual bool open(const QUrl& url) = 0;
};
