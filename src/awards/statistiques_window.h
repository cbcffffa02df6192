#pragma once
#include "awards/statistics.h"
#include <QWidget>

struct AppContext;
class ChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;

// "Statistiques": the progress towards the awards and the activity of the
// log drawn as charts, from one reading of the log when the window loads.
class Statistiques : public QWidget {
    Q_OBJECT
public:
    explicit Statistiques(AppContext& context, QWidget* parent = nullptr);

    QComboBox* Groupe_Bandes = nullptr; // "Tous les groupes", "HF", "VHF", "UHF"
    QTabWidget* Graphiques = nullptr;
    QLabel* Label_Dates = nullptr;      // the QSOs left off for want of a date
    QPushButton* Enregistrer_Image = nullptr;
    QPushButton* Imprimer = nullptr;

    ChartView* shownChart() const;

private:
    void buildControls();
    void drawCharts();
    void saveImage();
    void print();
    // The chart shown, drawn afresh at scale times its size: as sharp on paper as on screen.
    QByteArray shownPng(qreal scale) const;

    AppContext& ctx;
    LogStatistics stats;
    QList<ChartView*> views; // progress, years, bands, modes
};
