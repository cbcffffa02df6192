#include "platform/data_dir.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString chooseDataDirectory(const DataDirChoice& choice)
{
    if (!choice.environment.isEmpty())
        return QDir(choice.environment).absolutePath();
    if (choice.executableDirUsable)
        return choice.executableDir;
    return choice.userDir;
}

void seedDataDirectory(const QString& dataDir, const QString& assetDir)
{
    QDir().mkpath(dataDir);
    const QDir assets(assetDir);
    for (const QString& name : assets.entryList(QDir::Files)) {
        const QString target = QDir(dataDir).filePath(name);
        if (!QFileInfo::exists(target) && QFile::copy(assets.filePath(name), target))
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

QString dataDirectory()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QFileInfo exeInfo(exeDir);
    DataDirChoice choice;
    choice.environment = qEnvironmentVariable("DFCF_DATA_DIR");
    choice.executableDir = exeDir;
    choice.executableDirUsable = QFileInfo::exists(QDir(exeDir).filePath(QStringLiteral("FXXXX.txt"))) && exeInfo.isWritable();
    choice.userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString dir = chooseDataDirectory(choice);
    if (dir == choice.userDir)
        seedDataDirectory(dir, QDir(exeDir).filePath(QStringLiteral("../share/kor-dfcf")));
    return dir;
}

QString operatorFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return QDir::homePath();
}
