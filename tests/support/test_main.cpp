#include "platform/qt_translations.h"
#include "support/test_env.h"
#include <QApplication>
#include <QFont>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Windows run offscreen, and the user's real configuration and data are out
// of reach.
int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
    QTemporaryDir home;
    keepUserFoldersOutOfReach(home);
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
