#pragma once
#include "platform/result.h"
#include <QString>
#include <QStringList>
#include <array>

// The department map of one band group: the state of every box 0 to 99
// (box i is department i, 96 is "2a", 97 is "2b") and the counts shown
// around the map.

enum class DepartmentState { NotContacted, Unconfirmed, Confirmed };

constexpr int mapBoxCount = 100;
constexpr int visibleDepartments = 96;

struct CarteDepartements {
    std::array<DepartmentState, mapBoxCount> Dep{};
    int contacted = 0;   // boxes 1 to 99 contacted, the hidden 20, 98, 99 included
    int unconfirmed = 0;
    int confirmed = 0;
};

// Colours the boxes from the log lines of the group and counts them; a line
// whose band has no group, or whose department is no number 0-99 ("2a" and
// "2b" aside), marks nothing. A confirmed box stays confirmed.
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
};
CarteTexts carteTexts(const CarteDepartements& carte);

// Message when no band group is chosen.
QString noBandMessage();
