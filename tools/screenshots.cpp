// Opens the main windows of the program on a demonstration log, saves a
// picture of each, and prints an award list to PDF: the README's pictures.
#include "demo_station.h"
#include "logbook/bands.h"
#include "logbook/log_line.h"
#include "platform/qt_translations.h"
#include "shell/main_window.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <random>

namespace {

class SilentMessages final : public Messages {
public:
    void info(const QString&) override {}
    bool askYesNo(const QString&) override { return true; }
};

QStringList demoLog()
{
    const QStringList calls = {"F6ABC", "F5XYZ", "F8KLM", "F4GHI", "F1DEF", "ON4AB", "F5PQR", "F6BCD", "F2RST", "F9UVW"};
    const QStringList names = {"JEAN", "PAUL", "MARIE", "PIERRE", "ANNE", "LUC", "SOPHIE", "MICHEL", "CLAIRE", "ALAIN"};
    const QStringList castles = {"C. CHÂTEAU DE CHAMBORD", "C. CHÂTEAU DE CHENONCEAU", "C. FORT LA LATTE",
                                 "C. CHÂTEAU DE BEYNAC", "C. CITÉ DE CARCASSONNE", "C. CHÂTEAU DE VAUX-LE-VICOMTE",
                                 "C. ", "C. CHÂTEAU DE FOUGÈRES", "C. CITADELLE DE CALVI", "C. CHÂTEAU D'ANGERS"};
    std::mt19937 random(42);
    QStringList lines;
    for (int i = 0; i < 700; ++i) {
        Ligne_Log q;
        q.indicatif = calls[random() % calls.size()];
        const int dpt = 1 + int(random() % 97);
        q.dpt = dpt == 20 ? QStringLiteral("2a") : dpt >= 96 ? departmentLabel(dpt) : QString::number(dpt);
        q.prenom = names[random() % names.size()];
        q.ref = (dpt < 10 ? "0" + q.dpt : q.dpt) + QStringLiteral("%1").arg(1 + random() % 300, 3, 10, QChar('0'));
        q.date = QStringLiteral("%1/%2/%3").arg(1 + random() % 28, 2, 10, QChar('0')).arg(1 + random() % 12, 2, 10, QChar('0'))
                     .arg(8 + i / 40, 2, 10, QChar('0'));
        q.qtr = QStringLiteral("%1:%2").arg(random() % 24, 2, 10, QChar('0')).arg(random() % 60, 2, 10, QChar('0'));
        q.mode = modeList()[random() % 3];
        q.qrg = i % 9 == 0 ? QStringLiteral("144 Mhz") : i % 23 == 0 ? QStringLiteral("432 Mhz") : QStringLiteral("14 Mhz");
        q.rstr = QStringLiteral("59");
        q.rste = QStringLiteral("57");
        q.chateau = castles[random() % castles.size()];
        q.qsl = random() % 4 != 0;
        lines << buildLogLine(q).text;
    }
    // Two lines of an old log, with departments that no longer count.
    for (const char* old : {"20", "98"}) {
        Ligne_Log q = Ligne_Log::fromLine(lines.last());
        q.dpt = QString::fromLatin1(old);
        lines << buildLogLine(q).text;
    }
    return lines;
}

void save(QWidget* window, const QString& dir, const QString& name)
{
    window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
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
    const QString out = args[2];
    QDir().mkpath(out);
    SilentMessages messages;
    DemoStation demo(data, messages, demoLog());
    demo.printer.printToPdf(QDir(out).filePath(QStringLiteral("liste.pdf")));
    AppContext& context = demo.context;
    Main main(context);
    main.load();

    QTimer::singleShot(500, [&] {
        save(&main, out, QStringLiteral("main"));
        const auto shoot = [&](QAction* action, const char* objectName, const QString& name) {
            action->trigger();
            QApplication::processEvents();
            QWidget* window = main.findChild<QWidget*>(QString::fromLatin1(objectName));
            if (window)
                save(window, out, name);
            return window;
        };
        shoot(main.Mnu_Score, "Score_chateaux", QStringLiteral("scores"));
        if (QWidget* hf = shoot(main.Mnu_DFCF_HF, "Diplomes", QStringLiteral("diplomes_hf"))) {
            if (auto* button = hf->findChild<QPushButton*>(QStringLiteral("HF_Base")); button && button->isEnabled()) {
                button->click();
                QApplication::processEvents();
                if (QWidget* list = main.findChild<QWidget*>(QStringLiteral("Liste_HF"))) {
                    save(list, out, QStringLiteral("liste_hf"));
                    if (auto* print = list->findChild<QPushButton*>(QStringLiteral("Imprimer")))
                        print->click();
                }
            }
        }
        if (QWidget* carte = shoot(main.Mnu_Carte_HB, "Carte_Acti_DFCF", QStringLiteral("carte"))) {
            // Xvfb has no window manager to maximise a window: give it the screen's area as one would.
            carte->setGeometry(carte->screen()->availableGeometry());
            QApplication::processEvents();
            save(carte, out, QStringLiteral("carte_maximisee"));
            carte->showNormal();
        }
        if (QWidget* contacted = shoot(main.Mnu_C_Contacte, "Aff_Contacte", QStringLiteral("contactes"))) {
            if (auto* show = contacted->findChild<QPushButton*>(QStringLiteral("Afficher"))) {
                show->click();
                QApplication::processEvents();
                save(contacted, out, QStringLiteral("contactes"));
            }
        }
        if (QWidget* stats = shoot(main.Mnu_Statistiques, "Statistiques", QStringLiteral("statistiques"))) {
            auto* tabs = stats->findChild<QTabWidget*>(QStringLiteral("Graphiques"));
            const QStringList pages = {QStringLiteral("annees"), QStringLiteral("bandes"), QStringLiteral("modes")};
            for (int i = 1; tabs && i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QApplication::processEvents();
                save(stats, out, QStringLiteral("statistiques_") + pages.value(i - 1));
            }
        }
        QApplication::quit();
    });
    return app.exec();
}
