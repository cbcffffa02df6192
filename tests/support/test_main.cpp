#include "platform/qt_translations.h"
#include <QApplication>
#include <QFont>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Windows run offscreen, and the user's real configuration and data are out
// of reach: QSettings and QStandardPaths point into a temporary directory.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toUtf8());
    qunsetenv("DFCF_DATA_DIR");
#ifdef Q_OS_WIN
    // Offscreen on Windows, Qt draws with its own font engine, which knows
    // only the fonts of QT_QPA_FONTDIR: those of the Linux tests
    // (scripts/windows-env), in the family they get there.
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("DFCF_TEST_FONTDIR"));
#endif
    QApplication app(argc, argv);
#ifdef Q_OS_WIN
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
#endif
    // As the program does: window tests see the French texts of Qt's own buttons.
    installFrenchTranslations(app, {QStringLiteral(DFCF_TRANSLATIONS_DIR)});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
