#include "platform/text_file.h"
#include "platform/file_errors.h"
#include "platform/file_lock.h"
#include "platform/system_files.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

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

BytesRead readBytes(const QString& path)
{
    using namespace systemFiles;
    const int fd = openForReading(path);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return {ReadStatus::NotFound, {}, {}};
        return {ReadStatus::Error, {}, fileErrorText(error, FileAction::Read, path)};
    }
    if (isDirectory(fd)) {
        closeFile(fd);
        return {ReadStatus::Error, {}, fileErrorText(EISDIR, FileAction::Read, path)};
    }
    QByteArray bytes;
    bytes.reserve(sizeOf(fd));
    char chunk[1 << 16];
    for (;;) {
        const qint64 got = readSome(fd, chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            closeFile(fd);
            return {ReadStatus::Error, {}, fileErrorText(error, FileAction::Read, path)};
        }
        bytes.append(chunk, got);
    }
    closeFile(fd);
    return {ReadStatus::Ok, bytes, {}};
}

namespace {

WriteFault& writeFault()
{
    static WriteFault fault;
    return fault;
}

int injected(WriteStep step, const QString& target)
{
    const WriteFault& fault = writeFault();
    return fault ? fault(step, target) : 0;
}

// Runs one system step unless the seam fails it; 0 or the error number.
template <class Op> int runStep(WriteStep step, const QString& target, Op op)
{
    if (const int error = injected(step, target))
        return error;
    return op() ? 0 : errno;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = systemFiles::writeSome(fd, bytes.constData() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        done += written;
    }
    return true;
}

// Writes and syncs the scratch file; 0 or the error number.
int writeScratch(const QString& target, const QString& scratchPath, const QByteArray& bytes)
{
    int fd = -1;
    int error = runStep(WriteStep::Open, target, [&] {
        fd = systemFiles::openForWriting(scratchPath);
        return fd >= 0;
    });
    if (error)
        return error;
    error = runStep(WriteStep::Write, target, [&] { return writeAll(fd, bytes); });
    if (!error)
        error = runStep(WriteStep::Sync, target, [&] { return systemFiles::syncFile(fd); });
    // The descriptor is closed whatever happened; a failed close is a failed write.
    const bool closed = systemFiles::closeFile(fd);
    int closeError = closed ? 0 : errno;
    if (const int fault = injected(WriteStep::Close, target))
        closeError = fault;
    return error ? error : closeError;
}

} // namespace

LinesRead readLines(const QString& path)
{
    BytesRead file = readBytes(path);
    if (file.status != ReadStatus::Ok)
        return {file.status, {}, file.error};
    return {ReadStatus::Ok, splitLines(fromWindows1252(file.bytes)), {}};
}

LinesRead readDataLines(const QString& path)
{
    BytesRead file = readBytes(path);
    if (file.status != ReadStatus::Ok)
        return {file.status, {}, file.error};
    const DecodedText decoded = decodeDataText(file.bytes);
    return {ReadStatus::Ok, splitLines(decoded.text), {}, decoded.fitsWindows1252};
}

DecodedText decodeDataText(QByteArrayView bytes)
{
    const bool marked = bytes.startsWith("\xEF\xBB\xBF");
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char b) { return (b & 0x80) == 0; });
    if (ascii)
        return {fromWindows1252(bytes)};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(marked ? bytes.sliced(3) : bytes);
    if (utf8.hasError() && !marked)
        return {fromWindows1252(bytes)};
    const bool fits = !utf8.hasError() && isWindows1252(text);
    return {std::move(text), true, fits};
}

void setWriteFault(WriteFault fault) { writeFault() = std::move(fault); }

Result writeFileAtomically(const QString& target, const QString& scratch, const QByteArray& bytes)
{
    using namespace systemFiles;
    const FileLock lock(target);
    if (!lock)
        return lock.failed();
    const auto unchanged = [&](int error, const QString& culprit) {
        removeFile(scratch);
        return Result::failure(unchangedMessage(target), fileErrorText(error, FileAction::Write, culprit));
    };
    if (const int error = writeScratch(target, scratch, bytes))
        return unchanged(error, error == EISDIR ? scratch : target);

    // A second name for the old content, so that a rename the disk cannot
    // confirm is undone and the old file is whole, as the operator is told.
    // Not where the rename confirms itself: there, a program holding the old
    // file open would keep that name from being removed.
    const QString keep = scratch + QStringLiteral(".old");
    removeFile(keep);
    const bool kept = renameNeedsFolderSync() && addName(target, keep);
    const bool existed = kept || errno != ENOENT;
    if (const int error = runStep(WriteStep::Rename, target, [&] { return replaceFile(scratch, target); })) {
        removeFile(keep);
        return unchanged(error, target);
    }
    const QString folder = QFileInfo(target).absolutePath();
    const int syncError = runStep(WriteStep::SyncFolder, target, [&] { return syncFolder(folder); });
    if (syncError) {
        const bool restored = kept ? replaceFile(keep, target) : !existed && removeFile(target);
        if (restored)
            return unchanged(syncError, target);
        removeFile(keep);
        return Result::failure(
            QStringLiteral("Le disque n'a pas confirmé l'enregistrement du fichier %1 : vérifiez son contenu.")
                .arg(QFileInfo(target).fileName()),
            fileErrorText(syncError, FileAction::Write, target));
    }
    if (kept)
        removeFile(keep);
    return Result::success();
}

Result writeLinesAtomically(const QString& target, const QString& scratch, const QStringList& lines)
{
    return writeFileAtomically(target, scratch, joinLines(lines));
}
