#include "platform/clock.h"
#include "platform/data_dir.h"
#include "platform/qt_http.h"
#include "platform/qt_platform.h"
#include "platform/qt_rig.h"
#include "platform/qt_single_instance.h"
#include "platform/qt_translations.h"
#include "shell/earlier_installation_window.h"
#include "shell/main_window.h"
#include <QApplication>
#include <QIcon>
#include <QSettings>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installFrenchTranslations(app);
    QApplication::setOrganizationName(QStringLiteral("DFCF"));
    QApplication::setApplicationName(QStringLiteral("DFCF"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/kor-dfcf.png")));
    QtMessages messages(QStringLiteral("KOR_DFCF"));
    const QString dataDir = dataDirectory();
    QtSingleInstance instance(dataDir);
    if (!instance.claim(messages))
        return 0;
#ifdef Q_OS_WIN
    // Where the award's first program kept its settings: read once, never written.
    QSettings ours;
    takeEarlierSettings(ours, QSettings(QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\DFCF"),
                                        QSettings::NativeFormat));
#endif
    QtSettings settings;
    SystemClock clock;
    QtPrinter printer;
    QtFileDialogs fileDialogs;
    QtBrowser browser;
    AppContext context;
    context.dataDir = dataDir;
    context.messages = &messages;
    context.settings = &settings;
    context.clock = &clock;
    context.printer = &printer;
    context.fileDialogs = &fileDialogs;
    context.browser = &browser;
    QtHttp http;
    context.http = &http;
    HamlibRig rig;
    context.rig = &rig;
#ifdef Q_OS_WIN
    offerEarlierInstallation(context);
#endif
    Main window(context);
    instance.raiseOnRequest(&window);
    window.load();
    return app.exec();
}
