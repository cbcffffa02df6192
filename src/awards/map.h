#pragma once
#include "logbook/departments.h"
#include "platform/result.h"
#include <QString>
#include <QStringList>
#include <array>

// The department map of one band group: the state of every box 0 to 99
// (box i is department i, 96 is "2a", 97 is "2b") and the counts shown
// around the map.

enum class DepartmentState { NotContacted, Unconfirmed, Confirmed };

constexpr int mapBoxCount = 100;
constexpr int visibleDepartments = awardDepartmentCount; // one box for each

struct CarteDepartements {
    QString group; // "HF", "VHF" or "UHF" as asked
    std::array<DepartmentState, mapBoxCount> Dep{};
    int contacted = 0;   // departments contacted, among the 96
    int unconfirmed = 0;
    int confirmed = 0;
    // QSOs of the group whose department is none of the 96 (00, 20, 98, blank...):
    // how many, and their department texts, sorted, each once.
    int outsideQsos = 0;
    QStringList outsideDepartments;
};

// Colours the boxes from the log lines of the group and counts them; a line
// whose band has no group marks nothing, nor does a line whose department is
// none of the 96 (it is counted apart). A confirmed box stays confirmed.
CarteDepartements Colore_Carte(const QStringList& logLines, const QString& group);

struct CarteRead {
    Result result;
    CarteDepartements carte;
};
// The same from the station's log file.
CarteRead Colore_Carte(const QString& dataDir, const QString& callsign, const QString& group);

// Box 0 and the boxes 20, 98 and 99 stand for no department and are not drawn.
bool isVisibleBox(int index);

// A count with a leading blank when it is zero or more, a minus sign otherwise.
QString signOrBlank(int count);

// The texts of the title line and of the three legend boxes.
struct CarteTexts {
    QString NB_Dep;
    QString Nb_Conf;
    QString Nb_Nconf;
    QString Nb_Ncont;
    QString Hors_Dpt; // empty when every QSO of the group has one of the 96 departments
};
CarteTexts carteTexts(const CarteDepartements& carte);

// Message when no band group is chosen.
QString noBandMessage();
