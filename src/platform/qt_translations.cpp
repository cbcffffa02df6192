#include "platform/qt_translations.h"
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool install(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace

QStringList ownTranslationFolders()
{
    const QDir exeDir(QCoreApplication::applicationDirPath());
    return {exeDir.filePath(QStringLiteral("translations")), exeDir.filePath(QStringLiteral("../share/kor-dfcf/translations"))};
}

bool installFrenchTranslations(QCoreApplication& app, const QStringList& ownFolders)
{
    const QLocale french(QLocale::French, QLocale::France);
    QLocale::setDefault(french);
    for (const QString& folder : ownFolders)
        if (install(app, french, QStringLiteral("kor_dfcf_qt"), folder))
            break;
    if (install(app, french, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return true;
    // A Qt built without its translations (the Windows one) finds Qt's
    // catalogue among ours.
    for (const QString& folder : ownFolders)
        if (install(app, french, QStringLiteral("qtbase"), folder))
            return true;
    return false;
}
