#pragma once
#include <QUrl>
#include <QWidget>

struct AppContext;
class QWebEngineView;

// The rules of the award, from the award's web server.
class Reglement : public QWidget {
    Q_OBJECT
public:
    explicit Reglement(AppContext& context, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {1000, 760}; }
    QUrl shownUrl() const { return shown; }

    QWebEngineView* WebBrowser1 = nullptr;

private:
    QUrl shown;
};
