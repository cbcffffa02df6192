#pragma once
#include "reports/qsl_card.h"
#include <QWidget>

struct AppContext;
class LogSession;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// Multi_QSL "QSL non reçues": the QSOs of a station whose QSL has not been
// received, each with a tick box, and the printing of the back of a card
// confirming the ticked ones.
class Multi_QSL : public QWidget {
    Q_OBJECT
public:
    Multi_QSL(AppContext& context, LogSession& session, QWidget* parent);

    QLineEdit* Indicatif = nullptr;
    QPushButton* Recherche = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* Liste_QSO = nullptr;
    QPushButton* Imprimer = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void Recherche_Non_Recues();
    void print();

    AppContext& ctx;
    LogSession& session;
    QString listedFor; // the text the listing was made for: the card names it
    QList<UnconfirmedQso> listed;
};
