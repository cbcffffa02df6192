#pragma once
#include "awards/contacted_report.h"
#include <QWidget>

struct AppContext;
class ColumnHeader;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// The contacts of one band group sorted by castle reference, with their
// counts; the list can be saved to a file or printed.
class Aff_Contacte : public QWidget {
    Q_OBJECT
public:
    explicit Aff_Contacte(AppContext& context, QWidget* parent = nullptr);

private:
    void showList();
    void save();
    void print();
    QDate today() const;

    AppContext& ctx;
    // The rows listed and the group they were listed for: saving and printing
    // name that group, whatever Bande_D shows since.
    ContactedList listed;

    QComboBox* Bande_D = nullptr;
    QPushButton* Afficher = nullptr;
    QLabel* Compt_C = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Compt_V = nullptr;
    QLabel* Label4 = nullptr;
    ColumnHeader* Label2 = nullptr;
    QListWidget* Liste_DFCF_Contacte = nullptr;
    QPushButton* Enregistrer = nullptr;
    QPushButton* Imprimer = nullptr;
    QPushButton* Command1 = nullptr;
};
