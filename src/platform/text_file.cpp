#include "platform/text_file.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Bytes 0x80-0x9F of Windows-1252. The five bytes the code page leaves
// undefined map to the C1 control of the same value, so any file read and
// written back keeps its bytes.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (high[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        *out++ = QChar(u >= 0x80 && u < 0xA0 ? high[u - 0x80] : char16_t(u));
    }
    return text;
}

QByteArray toWindows1252(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (const QChar c : text) {
        const int b = byteOf(c.unicode());
        *out++ = b < 0 ? '?' : static_cast<char>(b);
    }
    return bytes;
}

bool isWindows1252(QChar c) { return byteOf(c.unicode()) >= 0; }

bool isWindows1252(const QString& text)
{
    for (const QChar c : text)
        if (!isWindows1252(c))
            return false;
    return true;
}

QString upperWindows1252(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        const QString upper = QString(c).toUpper();
        if (upper.size() == 1 && isWindows1252(upper[0]))
            c = upper[0];
    }
    return result;
}

QStringList splitLines(const QString& content)
{
    QStringList lines;
    qsizetype start = 0;
    while (start < content.size()) {
        qsizetype end = content.indexOf(QLatin1Char('\n'), start);
        const bool last = end < 0;
        if (last)
            end = content.size();
        qsizetype length = end - start;
        if (!last && length > 0 && content[end - 1] == QLatin1Char('\r'))
            --length;
        lines.append(content.mid(start, length));
        start = end + 1;
    }
    return lines;
}

QByteArray joinLines(const QStringList& lines)
{
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    QByteArray bytes;
    bytes.reserve(size);
    for (const QString& line : lines) {
        bytes += toWindows1252(line);
        bytes += "\r\n";
    }
    return bytes;
}

LinesRead readLines(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        return {ReadStatus::NotFound, {}, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {ReadStatus::Error, {}, file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {ReadStatus::Error, {}, file.errorString()};
    return {ReadStatus::Ok, splitLines(fromWindows1252(bytes)), {}};
}

Result writeFileAtomically(const QString& target, const QString& scratch, const QByteArray& bytes)
{
    const QString name = QFileInfo(target).fileName();
    const auto fail = [&](const QString& detail) {
        QFile::remove(scratch);
        return Result::failure(QStringLiteral("Impossible d'enregistrer le fichier %1 : il est resté inchangé.").arg(name),
                               detail);
    };
    QFile file(scratch);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return fail(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString error = file.errorString();
        file.close();
        return fail(error);
    }
    if (::fsync(file.handle()) != 0) {
        file.close();
        return fail(QStringLiteral("fsync"));
    }
    file.close();
    if (std::rename(QFile::encodeName(scratch).constData(), QFile::encodeName(target).constData()) != 0)
        return fail(QString::fromLocal8Bit(strerror(errno)));
    // Make the rename itself durable.
    const int dir = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(), O_RDONLY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return Result::success();
}

Result writeLinesAtomically(const QString& target, const QString& scratch, const QStringList& lines)
{
    return writeFileAtomically(target, scratch, joinLines(lines));
}
