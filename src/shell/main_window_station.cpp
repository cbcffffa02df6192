#include "platform/messages.h"
#include "shell/gestion_erreur_window.h"
#include "shell/main_window.h"
#include "shell/station_window.h"
#include "widgets/single_window.h"
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {

// Ends the program from wherever the recovery window was opened: the loops
// running now stop at once, and a main loop not yet started stops as soon as
// it starts (the recovery can be reached while the main window loads).
void endProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

} // namespace

void Main::wireStation()
{
    connect(Mnu_New_Indicatif, &QAction::triggered, this, [this, window = QPointer<Station>()]() mutable {
        showSingle(window, [this] { return new Station(*this); });
    });
}

void Main::firstInstallation()
{
    ctx.messages->info(QStringLiteral("\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n"));
    Station station(*this);
    centreOnScreen(&station);
    station.exec();
}

void Main::recoverMissingLog()
{
    Gestion_Erreur recovery(ctx, ctx.Indicatif_Station, this);
    recovery.Err_Departement->setText(QStringLiteral("_DFCF.log"));
    centreOnScreen(&recovery);
    if (recovery.exec() == Gestion_Erreur::QuitRequested)
        endProgram();
}
