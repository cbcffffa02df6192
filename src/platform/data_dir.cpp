#include "platform/data_dir.h"
#include <QCoreApplication>
#include <QDir>

QString dataDirectory()
{
    const QString fromEnvironment = qEnvironmentVariable("DFCF_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir(fromEnvironment).absolutePath();
    return QCoreApplication::applicationDirPath();
}
