#include "reports/multi_qsl_window.h"
#include "reports/recherche_window.h"
#include "shell/main_window.h"
#include "logbook/log_session.h"
#include "widgets/single_window.h"
#include <QAction>
#include <QPushButton>
#include <memory>

void Main::wireSearch()
{
    auto search = std::make_shared<QPointer<Recherche_Indicatif>>();
    connect(Rechercher, &QPushButton::clicked, this,
            [this, search] { showSingle(*search, [this] { 
                auto* window = new Recherche_Indicatif(ctx, *logSession, this);
                connect(window, &Recherche_Indicatif::rowChosen, this, &Main::selectRow);
                return window;
            }); });
    auto unreceived = std::make_shared<QPointer<Multi_QSL>>();
    connect(Mnu_Non_Recue, &QAction::triggered, this,
            [this, unreceived] { showSingle(*unreceived, [this] { return new Multi_QSL(ctx, *logSession, this); }); });
}
