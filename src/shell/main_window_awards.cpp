#include "awards/diplome_vhf_window.h"
#include "awards/diplomes_window.h"
#include "awards/score_chateaux_window.h"
#include "awards/liste_hf_window.h"
#include "shell/main_window.h"
#include "widgets/single_window.h"
#include <QAction>

namespace {

// The single instances of the score, award and award-list windows.
struct AwardWindows : QObject {
    using QObject::QObject;
    QPointer<Score_chateaux> score;
    QPointer<Diplomes> hf;
    QPointer<Diplome_VHF> vhf;
    QPointer<Diplome_UHF> uhf;
    QPointer<Liste_HF> list;
};

} // namespace

void Main::wireAwards()
{
    auto* windows = new AwardWindows(this);
    // The award buttons have set Groupe_Diplome and Nom_Diplome. An open list
    // built for another award is rebuilt, so that what it saves and prints
    // always matches its title.
    const auto showList = [this, windows] {
        const QString groupe = ctx.Groupe_Diplome;
        const QString nom = ctx.Nom_Diplome;
        const bool wasOpen = windows->list;
        Liste_HF* list = showSingle(windows->list, [&] { return new Liste_HF(ctx, groupe, nom, this); });
        if (wasOpen && (list->groupe() != groupe || list->nom() != nom))
            list->load(groupe, nom);
    };
    const auto awardWindow = [this, showList](auto& slot) {
        using Window = std::remove_reference_t<decltype(*slot)>;
        showSingle(slot, [&] {
            auto* window = new Window(ctx, this);
            connect(window, &AwardCheckWindow::listRequested, this, showList);
            return window;
        });
    };
    connect(Mnu_Score, &QAction::triggered, this,
            [this, windows] { showSingle(windows->score, [this] { return new Score_chateaux(ctx, this); }); });
    connect(Mnu_DFCF_HF, &QAction::triggered, this, [windows, awardWindow] { awardWindow(windows->hf); });
    connect(Mnu_DFCF_VHF, &QAction::triggered, this, [windows, awardWindow] { awardWindow(windows->vhf); });
    connect(Mnu_DFCF_UHF, &QAction::triggered, this, [windows, awardWindow] { awardWindow(windows->uhf); });
}
