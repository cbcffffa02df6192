#pragma once
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// The fuzzer's bytes as a file in a scratch data directory.
struct FuzzDir {
    QTemporaryDir dir;
    QString write(const QString& name, const uint8_t* data, size_t size)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(reinterpret_cast<const char*>(data), qint64(size));
        return path;
    }
};
