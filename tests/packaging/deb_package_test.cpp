#include "support/qt_printers.h"
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Builds the Debian package from the built tree, unpacks it and starts the
// unpacked program as a first installation against an empty home.
namespace {

struct Outcome {
    int exitCode = -1; // -1 when it crashed or had to be killed
    QString output;
};

Outcome run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {},
        int timeoutMs = 120000)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start();
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString::fromUtf8(process.readAll()) + QStringLiteral("\n(arrêté au bout du délai)")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, QString::fromUtf8(process.readAll())};
}

QMap<QString, QString> controlFields(const QString& deb)
{
    QMap<QString, QString> fields;
    QString key;
    for (const QString& line : run(QStringLiteral("dpkg-deb"), {QStringLiteral("--field"), deb}).output.split('\n')) {
        if (line.startsWith(' ') && !key.isEmpty()) {
            fields[key] += '\n' + line;
        } else if (const qsizetype colon = line.indexOf(':'); colon > 0) {
            key = line.left(colon);
            fields[key] = line.mid(colon + 1).trimmed();
        }
    }
    return fields;
}

QStringList filesUnder(const QString& root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(root).relativeFilePath(it.next());
    files.sort();
    return files;
}

QProcessEnvironment firstStartEnvironment(const QString& home, const QString& report)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DFCF_DATA_DIR"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(DFCF_PROBE_DIR));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("dfcfprobe"));
    env.insert(QStringLiteral("DFCF_PROBE_REPORT"), report);
    return env;
}

} // namespace

TEST(DebianPackage, HoldsTheProgramItsFilesAndStartsAsAFirstInstallation)
{
    for (const char* tool : {"dpkg-deb", "dpkg-shlibdeps"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is missing (scripts/install-deps installs it)";
    QTemporaryDir work;
    const QDir w(work.path());
    const Outcome pack = run(QStringLiteral(DFCF_CPACK), {"-G", "DEB", "--config", DFCF_BUILD_DIR "/CPackConfig.cmake", "-B",
                                                      w.filePath("out")});
    ASSERT_EQ(pack.exitCode, 0) << pack.output.toStdString();
    const QString arch = run(QStringLiteral("dpkg"), {QStringLiteral("--print-architecture")}).output.trimmed();
    const QString deb = w.filePath(QStringLiteral("out/kor-dfcf_%1_%2.deb").arg(DFCF_VERSION, arch));
    ASSERT_TRUE(QFileInfo::exists(deb)) << pack.output.toStdString();

    const QMap<QString, QString> fields = controlFields(deb);
    EXPECT_EQ(fields.value("Package"), "kor-dfcf");
    EXPECT_EQ(fields.value("Version"), DFCF_VERSION);
    EXPECT_EQ(fields.value("Architecture"), arch);
    EXPECT_EQ(fields.value("Section"), "hamradio");
    // Qt's packages only recommend its window system plugins and its French texts.
    for (const char* library : {"libc6", "libqt6core6", "libqt6widgets6", "libqt6printsupport6",
                                "qt6-qpa-plugins", "qt6-translations-l10n", "libqt6webenginecore6-bin"})
        EXPECT_TRUE(fields.value("Depends").contains(QLatin1String(library))) << library << " in " << fields.value("Depends").toStdString();
    EXPECT_TRUE(fields.value("Description").contains("castles of France"));
    EXPECT_TRUE(fields.value("Description").contains("châteaux de France"));

    const QString root = w.filePath("root");
    ASSERT_EQ(run("dpkg-deb", {"-x", deb, root}).exitCode, 0);
    QStringList expected = {"usr/bin/KOR_DFCF", "usr/share/applications/kor-dfcf.desktop",
                            "usr/share/icons/hicolor/scalable/apps/kor-dfcf.svg", "usr/share/doc/kor-dfcf/copyright",
                            "usr/share/doc/kor-dfcf/changelog.gz", "usr/share/man/man1/KOR_DFCF.1.gz",
                            "usr/share/kor-dfcf/translations/kor_dfcf_qt_fr.qm"};
    const QStringList assets = QDir(DFCF_ASSET_DIR).entryList(QDir::Files);
    for (const QString& asset : assets)
        expected << "usr/share/kor-dfcf/" + asset;
    expected.sort();
    EXPECT_EQ(filesUnder(root), expected);
    EXPECT_TRUE(QFileInfo(root + "/usr/bin/KOR_DFCF").isExecutable());

    const QString home = w.filePath("home");
    QDir().mkpath(home + "/runtime");
    QFile::setPermissions(home + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString report = w.filePath("report.txt");
    const Outcome start = run(root + "/usr/bin/KOR_DFCF", {}, firstStartEnvironment(home, report), 60000);
    QFile reportFile(report);
    ASSERT_TRUE(reportFile.open(QIODevice::ReadOnly)) << start.output.toStdString();
    const QStringList seen = QString::fromUtf8(reportFile.readAll()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(seen, (QStringList{"message\t\\r\\nPremiere installation, vous devez entrer votre Indicatif\\r\\n\\r\\n",
                                 "station", "main\t  KOR_DFCF    Revision  " DFCF_VERSION "\tF5ABC\tPropriétés de l'imprimante"}))
        << start.output.toStdString();
    EXPECT_EQ(start.exitCode, 0) << start.output.toStdString();

    // The user's data location, filled with the shipped files, holds the new log.
    const QDir data(home + "/.local/share/DFCF/DFCF");
    for (const QString& asset : assets)
        EXPECT_TRUE(data.exists(asset)) << asset.toStdString();
    EXPECT_TRUE(data.exists("F5ABC_DFCF.log"));
    QFile settings(home + "/.config/DFCF/DFCF.conf");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("=F5ABC"));

    // Installed with apt-get without the recommended packages, on a system
    // that has nothing yet (an empty package status): every package the
    // program needs comes with it.
    if (QStandardPaths::findExecutable(QStringLiteral("apt-get")).isEmpty()
        || run(QStringLiteral("apt-cache"), {"show", "libc6"}).exitCode != 0)
        GTEST_SKIP() << "apt-get or its package lists are missing (apt-get update)";
    const QString noPackages = w.filePath("status");
    QFile(noPackages).open(QIODevice::WriteOnly);
    const Outcome install = run(QStringLiteral("apt-get"), {"install", "--simulate", "--no-install-recommends", "-o",
                                                            "Dir::State::status=" + noPackages, deb});
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    QStringList installed;
    for (const QString& line : install.output.split('\n'))
        if (line.startsWith(QLatin1String("Inst ")))
            installed << line.section(' ', 1, 1);
    for (const char* needed : {"kor-dfcf", "qt6-qpa-plugins", "qt6-translations-l10n", "libqt6webenginecore6-bin",
                               "libhamlib4"})
        EXPECT_TRUE(installed.contains(QLatin1String(needed))) << needed << " in " << installed.join(' ').toStdString();
}
