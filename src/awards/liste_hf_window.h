#pragma once
#include "awards/award_list.h"
#include <QWidget>

struct AppContext;
class ColumnHeader;
class QLabel;
class QListWidget;
class QPushButton;

// The list supporting one award claim, saved to a text file or printed. It
// keeps the group and award it was built for, so saving and printing always
// match the rows shown.
class Liste_HF : public QWidget {
    Q_OBJECT
public:
    Liste_HF(AppContext& context, const QString& groupe, const QString& nom, QWidget* parent = nullptr);

    // Reads the log again and shows the list of this group and award.
    void load(const QString& groupe, const QString& nom);
    const QString& groupe() const { return list.groupe; }
    const QString& nom() const { return list.nom; }

private:
    void save();
    void print();

    AppContext& ctx;
    AwardList list;
    QLabel* Label4 = nullptr;
    ColumnHeader* Label2 = nullptr;
    QListWidget* Liste_DFCF_Contacte = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Enregistrer = nullptr;
    QPushButton* Imprimer = nullptr;
    QPushButton* Command1 = nullptr;
};
