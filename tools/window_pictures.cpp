// Pictures of the whole screen with each window the operator meets on the
// way in (settings, station, recovery, castle list, a confirmation, the print
// dialog): shows where each lands and that Qt's own texts are French.
// Run by scripts/screenshots at 100 % and at 200 % (QT_SCALE_FACTOR=2).
#include "castles/liste_dfcf1_window.h"
#include "demo_station.h"
#include "logbook/log_line.h"
#include "platform/qt_translations.h"
#include "shell/gestion_erreur_window.h"
#include "shell/main_window.h"
#include "shell/parametres_window.h"
#include "shell/station_window.h"
#include "widgets/single_window.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <functional>

namespace {

QString outDir;
QString suffix;

void shootScreen(const QString& name)
{
    QApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0).save(QDir(outDir).filePath(name + suffix + QStringLiteral(".png")));
}

// Shows a modal window, pictures the screen once it is up, then closes it.
void shootModal(const QString& name, const std::function<void()>& open)
{
    QTimer::singleShot(700, [name] {
        shootScreen(name);
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    open();
}

void shootWindow(QWidget* window, const QString& name)
{
    window->show();
    QEventLoop wait;
    QTimer::singleShot(500, &wait, &QEventLoop::quit);
    wait.exec();
    shootScreen(name);
    window->close();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installFrenchTranslations(app, {QStringLiteral(DFCF_TRANSLATIONS_DIR)});
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    const QString data = args[1];
    outDir = args[2];
    suffix = args.value(3);
    QDir().mkpath(outDir);
    Ligne_Log q;
    q.indicatif = QStringLiteral("F6ABC");
    q.dpt = QStringLiteral("77");
    q.prenom = QStringLiteral("JEAN");
    q.ref = QStringLiteral("77121");
    q.date = QStringLiteral("05/02/08");
    q.qtr = QStringLiteral("09:05");
    q.mode = QStringLiteral("SSB");
    q.qrg = QStringLiteral("14 Mhz");
    q.rstr = q.rste = QStringLiteral("59");
    q.chateau = QStringLiteral("C. CHÂTEAU DE BLANDY");
    QtMessages messages(QStringLiteral("KOR_DFCF"));
    DemoStation demo(data, messages, {buildLogLine(q).text});
    AppContext& context = demo.context;
    Main main(context);
    QTimer::singleShot(0, [&] {
        main.load();
        main.Ajout_QSO->click();
        shootWindow(&main, QStringLiteral("main_insertion"));
        main.show();
        main.serverReady(false); // the example address: sent to the settings, with the reason
        if (auto* parametres = main.findChild<Parametres*>()) {
            parametres->Serveur_Cluster->setText(QStringLiteral("cluster exemple"));
            shootWindow(parametres, QStringLiteral("parametres"));
        }
        shootModal(QStringLiteral("station"), [&] {
            Station station(main);
            centreOnScreen(&station);
            station.exec();
        });
        shootModal(QStringLiteral("gestion_erreur"), [&] {
            Gestion_Erreur recovery(context, QStringLiteral("F5ABC"), &main);
            recovery.Err_Departement->setText(QStringLiteral("_DFCF.log"));
            centreOnScreen(&recovery);
            recovery.exec();
        });
        qputenv("DFCF_SERVER_URL", "http://127.0.0.1:9");
        shootModal(QStringLiteral("liste_dfcf1"), [&] {
            Liste_DFCF1 list(context, &main);
            centreOnScreen(&list);
            list.exec();
        });
        shootModal(QStringLiteral("confirmation"), [&] { messages.askYesNo(QStringLiteral("Voulez vous Supprimer ce QSO ?")); });
        shootModal(QStringLiteral("impression"), [&] {
            QPrinter paper;
            QPrintDialog dialog(&paper, &main);
            dialog.exec();
        });
        QApplication::quit();
    });
    return app.exec();
}
