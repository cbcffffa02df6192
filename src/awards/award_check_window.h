#pragma once
#include "awards/award_figures.h"
#include <QList>
#include <QString>
#include <QWidget>

struct AppContext;
class QLabel;
class QPushButton;

// One award block: a status line, a detail line "il vous manque " + numbers,
// and its "Voir la liste" button. Names are the controls' object names.
struct AwardBlockDesign {
    QString nom; // award as handed to the list
    const char* status;
    QString designCaption;
    QString congratulation;
    const char* manque;
    const char* castleNumber = nullptr; // no castle figure when null
    const char* castleText = nullptr;
    QString castleCaption;
    const char* departmentNumber = nullptr; // no department figure when null
    const char* departmentText = nullptr;
    QString departmentCaption;
    const char* button;
    QString buttonCaption;
};

struct AwardWindowDesign {
    QString group; // "HF", "VHF", "UHF"
    QString caption;
    const char* titleFrame;
    const char* titleLabel;
    QString title;
    const char* blocksFrame;
    QList<const char*> lines; // separators between the blocks
    QList<AwardBlockDesign> blocks;
};

// What Diplomes, Diplome_VHF and Diplome_UHF share: the figures of their
// group read once at load, one block per award, and the hand-over to the
// award list when a button is clicked.
class AwardCheckWindow : public QWidget {
    Q_OBJECT
public:
    AwardCheckWindow(AppContext& context, const AwardWindowDesign& design, QWidget* parent = nullptr);

signals:
    // Groupe_Diplome and Nom_Diplome have just been set: show Liste_HF.
    void listRequested();

private:
    struct Block {
        AwardBlockDesign design;
        QLabel* status = nullptr;
        QLabel* manque = nullptr;
        QLabel* castles = nullptr;
        QLabel* departments = nullptr;
        QPushButton* button = nullptr;
    };
    QWidget* buildBlock(Block& block);
    void fill(Block& block, const AwardStatus& status);
    void requestList(const QString& nom);

    AppContext& ctx;
    QString group;
    QList<Block> blocks;
};
