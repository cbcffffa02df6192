#include "reports/adif_reader.h"
#include "platform/text_file.h"
#include <algorithm>
#include <cstring>

namespace {

struct KeptTag {
    const char* name; // upper case
    qsizetype size;
    AdifTag tag;
};

constexpr KeptTag keptTags[] = {
    {"CALL", 4, AdifTag::Call},          {"NAME", 4, AdifTag::Name},
    {"NAME_INTL", 9, AdifTag::NameIntl}, {"QSO_DATE", 8, AdifTag::QsoDate},
    {"TIME_ON", 7, AdifTag::TimeOn},     {"MODE", 4, AdifTag::Mode},
    {"SUBMODE", 7, AdifTag::Submode},    {"BAND", 4, AdifTag::Band},
    {"FREQ", 4, AdifTag::Freq},          {"RST_RCVD", 8, AdifTag::RstRcvd},
    {"RST_SENT", 8, AdifTag::RstSent},   {"SIG", 3, AdifTag::Sig},
    {"SIG_INTL", 8, AdifTag::SigIntl},   {"SIG_INFO", 8, AdifTag::SigInfo},
    {"SIG_INFO_INTL", 13, AdifTag::SigInfoIntl}, {"COMMENT", 7, AdifTag::Comment},
    {"COMMENT_INTL", 12, AdifTag::CommentIntl},  {"NOTES", 5, AdifTag::Notes},
    {"NOTES_INTL", 10, AdifTag::NotesIntl},      {"QSLMSG", 6, AdifTag::QslMsg},
    {"QSLMSG_INTL", 11, AdifTag::QslMsgIntl},    {"QSL_RCVD", 8, AdifTag::QslRcvd},
};

inline char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

bool sameUpper(QByteArrayView name, const char* wanted)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        if (upper(name[i]) != wanted[i])
            return false;
    return true;
}

bool isTag(const char* at, const char* end, const char* wanted) // wanted: upper, 3 letters and '>'
{
    return end - at >= 5 && upper(at[1]) == wanted[0] && upper(at[2]) == wanted[1] && upper(at[3]) == wanted[2]
        && at[4] == '>';
}

// The first "<eor>" starting in [from, from + size), or null.
const char* findEor(const char* from, qsizetype size, const char* end)
{
    const char* const stop = from + size;
    for (const char* p = from; p < stop; ++p) {
        p = static_cast<const char*>(std::memchr(p, '<', size_t(stop - p)));
        if (!p)
            return nullptr;
        if (isTag(p, end, "EOR"))
            return p;
    }
    return nullptr;
}

// Walks the bytes field by field; one record at a time is kept, as views.
class AdiParser {
public:
    AdiParser(QByteArrayView bytes, const AdifVisit& visit, const AdifProgress& progress)
        : begin(bytes.data()), p(begin), end(begin + bytes.size()), visit(visit), progress(progress)
    {
        record.utf8 = bytes.isValidUtf8();
    }

    AdifRead run()
    {
        for (quint32 steps = 1; p < end && step(); ++steps)
            if (steps % 65536 == 0 && progress && !progress(p - begin)) {
                read.stopped = true;
                return read;
            }
        if (open)
            damage(QStringLiteral("<eor> manquant à la fin du fichier"));
        return read;
    }

private:
    // Handles the next tag; false once nothing more can be read.
    bool step()
    {
        const char* lt = static_cast<const char*>(std::memchr(p, '<', size_t(end - p)));
        if (!lt)
            return false;
        const char* const nameStart = lt + 1;
        const char* q = nameStart;
        while (q < end && q - nameStart < 64 && *q != ':' && *q != '>' && *q != '<')
            ++q;
        p = nameStart; // unless a whole tag is read below, go on after this '<'
        if (q >= end || q == nameStart || (*q != ':' && *q != '>'))
            return true;
        const QByteArrayView name(nameStart, q - nameStart);
        if (*q == '>')
            return endTag(name, q + 1);
        const char* const digits = ++q;
        qint64 length = 0;
        while (q < end && *q >= '0' && *q <= '9' && q - digits < 12)
            length = length * 10 + (*q++ - '0');
        if (q == digits)
            return true;
        if (q < end && *q == ':') // type indicator
            while (q < end && q - digits < 40 && *q != '>' && *q != '<')
                ++q;
        if (q >= end || *q != '>')
            return true;
        return field(name, q + 1, length);
    }

    bool endTag(QByteArrayView name, const char* after)
    {
        p = after;
        if (name.size() != 3)
            return true;
        if (sameUpper(name, "EOR"))
            finishRecord();
        else if (sameUpper(name, "EOH"))
            startRecord(); // what came before were header fields
        return true;
    }

    bool field(QByteArrayView name, const char* value, qint64 length)
    {
        const qint64 left = end - value;
        // A length that reaches into the next record would swallow it: the
        // record is damaged and reading resumes after its "<eor>".
        if (const char* eor = findEor(value, std::min(length, left), end)) {
            damage(QStringLiteral("la longueur du champ %1 dépasse la fin de l'enregistrement").arg(tagText(name)));
            p = eor + 5;
            return true;
        }
        if (length > left) {
            damage(QStringLiteral("la longueur du champ %1 dépasse la fin du fichier").arg(tagText(name)));
            return false;
        }
        const AdifTag tag = adifTagOf(name);
        if (tag == AdifTag::Call && record.has(AdifTag::Call))
            damage(QStringLiteral("<eor> manquant à la fin de l'enregistrement"));
        if (tag != AdifTag::Count)
            record.set(tag, QByteArrayView(value, length));
        open = true;
        p = value + length;
        return true;
    }

    static QString tagText(QByteArrayView name) { return QString::fromLatin1(name).toUpper(); }

    void startRecord()
    {
        record.clear();
        open = false;
    }

    void finishRecord()
    {
        if (!open)
            return;
        record.number = ++number;
        ++read.records;
        visit(record);
        startRecord();
    }

    void damage(const QString& reason)
    {
        ++number;
        if (read.damagedCount++ < AdifRead::keptDamages)
            read.damaged.append({number, record.text(AdifTag::Call), reason});
        startRecord();
    }

    const char* const begin;
    const char* p;
    const char* const end;
    const AdifVisit& visit;
    const AdifProgress& progress;
    AdifRecord record;
    AdifRead read;
    bool open = false; // the current record holds a field
    int number = 0;
};

QByteArrayView withoutBom(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

} // namespace

AdifTag adifTagOf(QByteArrayView name)
{
    for (const KeptTag& kept : keptTags)
        if (kept.size == name.size() && sameUpper(name, kept.name))
            return kept.tag;
    return AdifTag::Count;
}

QString AdifRecord::text(AdifTag tag) const
{
    const QByteArrayView value = raw(tag);
    if (value.isEmpty())
        return {};
    return (utf8 ? QString::fromUtf8(value) : fromWindows1252(value)).trimmed();
}

AdifRead readAdi(QByteArrayView bytes, const AdifVisit& visit, const AdifProgress& progress)
{
    return AdiParser(withoutBom(bytes), visit, progress).run();
}

AdifRead readAdif(QByteArrayView bytes, const AdifVisit& visit, const AdifProgress& progress)
{
    QByteArrayView start = withoutBom(bytes);
    while (!start.isEmpty() && (start.front() == ' ' || start.front() == '\t' || start.front() == '\r' || start.front() == '\n'))
        start = start.sliced(1);
    const auto startsWith = [&](const char* text) {
        const QByteArrayView wanted(text);
        return start.size() >= wanted.size() && sameUpper(start.first(wanted.size()), text);
    };
    const bool xml = startsWith("<?XML") || startsWith("<ADX");
    return xml ? readAdx(bytes, visit, progress) : readAdi(bytes, visit, progress);
}
