#include "support/test_env.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>

DataDirTest::DataDirTest()
{
    context.dataDir = dir.path();
    context.messages = &messages;
    context.settings = &settings;
    context.clock = &clock;
    context.printer = &printer;
    context.fileDialogs = &fileDialogs;
    context.browser = &browser;
    context.Indicatif_Station = QStringLiteral("F5ABC");
}

QString DataDirTest::path(const QString& name) const { return QDir(dir.path()).filePath(name); }

void DataDirTest::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray DataDirTest::readFile(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool DataDirTest::exists(const QString& name) const { return QFile::exists(path(name)); }

void DataDirTest::writeLines(const QString& name, const QStringList& lines) const { writeFile(name, joinLines(lines)); }

QString DataDirTest::logName() const { return logFileName(context.Indicatif_Station); }

void DataDirTest::writeLog(const QStringList& lines) const { writeLines(logName(), lines); }

QByteArray DataDirTest::logBytes() const { return readFile(logName()); }

void DataDirTest::copyAsset(const QString& name) const
{
    QFile::remove(path(name));
    ASSERT_TRUE(QFile::copy(QDir(QStringLiteral(DFCF_ASSET_DIR)).filePath(name), path(name)));
    QFile::setPermissions(path(name), QFile::ReadOwner | QFile::WriteOwner);
}

int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}

QString qsoLine(const QString& call, const QString& dpt, const QString& ref, const QString& date, const QString& time,
                const QString& band, bool qsl, const QString& castle, const QString& mode, const QString& prenom)
{
    Ligne_Log q;
    q.indicatif = call;
    q.dpt = dpt;
    q.prenom = prenom;
    q.ref = ref;
    q.date = date;
    q.qtr = time;
    q.mode = mode;
    q.qrg = band;
    q.rstr = QStringLiteral("59");
    q.rste = QStringLiteral("59");
    q.chateau = castle;
    q.qsl = qsl;
    const BuiltLine built = buildLogLine(q);
    EXPECT_TRUE(built.ok()) << built.error.toStdString();
    return built.text;
}

void keepUserFoldersOutOfReach(const QTemporaryDir& home)
{
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath("cache").toUtf8());
    qunsetenv("DFCF_DATA_DIR");
}
