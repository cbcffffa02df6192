#include "awards/aff_contacte_window.h"
#include "awards/carte_window.h"
#include "platform/messages.h"
#include "reports/adif.h"
#include "shell/main_window.h"
#include "widgets/single_window.h"
#include <QAction>
#include <memory>

void Main::wireMaps()
{
    connect(Mnu_ADIF, &QAction::triggered, this, [this] {
        const AdifExport exported = exportAdif(ctx.dataDir, ctx.Indicatif_Station);
        ctx.messages->info(exported.result ? exported.message : exported.result.text());
    });

    auto carte = std::make_shared<QPointer<Carte_Acti_DFCF>>();
    connect(Mnu_Carte_HB, &QAction::triggered, this, [this, carte] {
        showSingle(*carte, [this] { return new Carte_Acti_DFCF(ctx, this); });
    });

    auto contacted = std::make_shared<QPointer<Aff_Contacte>>();
    connect(Mnu_C_Contacte, &QAction::triggered, this, [this, contacted] {
        showSingle(*contacted, [this] { return new Aff_Contacte(ctx, this); });
    });
}
