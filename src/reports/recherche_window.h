#pragma once
#include "reports/search.h"
#include <QList>
#include <QWidget>

struct AppContext;
class LogSession;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

// Recherche_Indicatif "Rechercher un QSO": finds QSOs of the main list by
// callsign, castle reference or department; a double click on a result
// selects that QSO in the main list and closes the window.
class Recherche_Indicatif : public QWidget {
    Q_OBJECT
public:
    Recherche_Indicatif(AppContext& context, LogSession& session, QWidget* parent);

    QLabel* Label3 = nullptr;
    QRadioButton* Option1_1 = nullptr; // "Indicatif"
    QRadioButton* Option1_2 = nullptr; // "N° DFCF"
    QRadioButton* Option1_3 = nullptr; // "Dpt"
    QLineEdit* Indica = nullptr;
    QLineEdit* Data = nullptr;
    QLineEdit* Depa = nullptr;
    QLabel* Label13 = nullptr;
    QListWidget* QSO_Effectues = nullptr;
    QPushButton* Command1 = nullptr;

signals:
    // A double click on a result: that QSO's row of the main list.
    void rowChosen(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void optionChosen(int id);
    void enterPressed(QLineEdit* box);
    void Recherche_QSO();
    void returnToLog(QListWidgetItem* item);
    SearchOption selectedOption() const;
    QLineEdit* boxOf(SearchOption option) const;

    AppContext& ctx;
    LogSession& session;
    QButtonGroup* Option1 = nullptr;
    QList<SearchHit> hits;
};
