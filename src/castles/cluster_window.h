#pragma once
#include <QUrl>
#include <QWidget>

struct AppContext;
class QComboBox;
class QPushButton;
class QWebEngineView;

// The DX-cluster listing of one band, in a web view. The band chosen is
// remembered per station.
class Cluster : public QWidget {
    Q_OBJECT
public:
    explicit Cluster(AppContext& context, QWidget* parent = nullptr);

    QSize sizeHint() const override { return {1000, 760}; }
    // Stores the selected band and shows its page.
    void Afficher_Cluster();
    QUrl shownUrl() const { return shown; }

    QWebEngineView* WebBrowser1 = nullptr;
    QComboBox* Bande_CL = nullptr;
    QPushButton* Afficher = nullptr;

private:
    AppContext& ctx;
    QUrl shown;
};
