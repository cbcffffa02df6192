#pragma once
#include <QDialog>
#include <QUrl>

struct AppContext;
class QWebEngineView;

// The castle list by department, from the award's web server; modal.
class Liste_DFCF1 : public QDialog {
    Q_OBJECT
public:
    explicit Liste_DFCF1(AppContext& context, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {1000, 760}; }
    QUrl shownUrl() const { return shown; }

    QWebEngineView* WebBrowser1 = nullptr;

private:
    QUrl shown;
};
