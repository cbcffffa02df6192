#pragma once
#include "platform/result.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// Everything the scores, the award checks and the award lists need from the
// log, gathered in one pass. Counts are of records, not of distinct castles.

constexpr int departmentSlots = 98; // indexes 0 to 97; 96 is "2a", 97 is "2b"

struct GroupFigures {
    int contacted = 0;             // records of the group
    int confirmed = 0;             // confirmed records of the group (C)
    int confirmedDepartments = 0;  // flags set, each one of the 96 departments (D)
    std::array<bool, departmentSlots> departmentFlags{};
    // The confirmed lines in log order, and per department the last of them.
    QStringList confirmedLines;
    std::array<QString, departmentSlots> lastConfirmedLine;

    void add(const QString& line);
};

struct AwardFigures {
    GroupFigures hf, vhf, uhf;

    // "HF", "VHF" or "UHF"; null for anything else.
    const GroupFigures* group(const QString& name) const;
};

AwardFigures computeAwardFigures(const QStringList& logLines);

// The figures of the station's log. When the log cannot be read the figures
// are all zero and the result holds a French message naming the file.
struct FiguresRead {
    Result result;
    AwardFigures figures;
};
FiguresRead readAwardFigures(const QString& dataDir, const QString& callsign);

// One award and its inclusive limits; a limit of 0 asks nothing.
struct AwardRule {
    QString nom;          // as handed to the award list: "de Base", "Honneur", "Trophe", "Excellence"
    int castles = 0;
    int departments = 0;
};
// The awards of a group in the order their windows show them.
const QList<AwardRule>& awardRules(const QString& group);

// What an award block shows: reached or not, and the two numbers of its
// detail line (the operator's own figures when reached, what is missing
// otherwise, never below 0).
struct AwardStatus {
    bool reached = false;
    int castles = 0;
    int departments = 0;
};
AwardStatus awardStatus(const AwardRule& rule, const GroupFigures& figures);
