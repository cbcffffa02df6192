#include "logbook/station.h"
#include "reports/adif_standard.h"
#include "reports/ascii_fold.h"
#include <QHash>
#include <QXmlStreamWriter>

namespace {

QList<AdifField> headerFields(const QDateTime& created)
{
    return {{QStringLiteral("ADIF_VER"), QStringLiteral("3.1.4")},
            {QStringLiteral("PROGRAMID"), QStringLiteral("KOR_DFCF")},
            {QStringLiteral("PROGRAMVERSION"), Revision_Programme.trimmed()},
            {QStringLiteral("CREATED_TIMESTAMP"), created.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss"))}};
}

// Tags and values are ASCII by then: one character is one byte. Written
// through a pointer, since appending byte by byte costs a call each.
void appendAscii(QByteArray& out, const QString& text)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char* byte = out.data() + at;
    for (const QChar c : text)
        *byte++ = char(c.unicode());
}

void appendNumber(QByteArray& out, qsizetype n)
{
    char digits[20];
    int count = 0;
    do {
        digits[count++] = char('0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (count > 0)
        out += digits[--count];
}

// <TAG:length>value, the length in bytes.
void appendAdiField(QByteArray& out, const AdifField& field)
{
    out += '<';
    appendAscii(out, field.tag);
    out += ':';
    appendNumber(out, field.value.size());
    out += '>';
    appendAscii(out, field.value);
}

QByteArray adiHeader(const QString& callsign, const QDateTime& created)
{
    // Free text first, so that no reader takes the file for one without a header.
    QByteArray out = foldToAscii(QStringLiteral("Log de la station %1 exporté par KOR_DFCF au format ADIF standard")
                                     .arg(displayedCallsign(callsign)))
                         .toLatin1();
    out += "\r\n";
    for (const AdifField& field : headerFields(created)) {
        appendAdiField(out, field);
        out += "\r\n";
    }
    out += "<EOH>\r\n";
    return out;
}

class AdiWriter final : public AdifWriter {
public:
    explicit AdiWriter(qsizetype expected) { out.reserve(expected * 280); }
    void add(const StandardRecord& record) override
    {
        for (const AdifField& field : record.fields) {
            if (field.intl)
                continue; // _INTL fields are not allowed in an .adi file
            appendAdiField(out, field);
            out += ' ';
        }
        out += "<EOR>\r\n";
    }
    QByteArray finish() override { return std::move(out); }

private:
    QByteArray out;
};

// The bytes the XML writer produces, appended as they come: a byte device
// that does nothing else is far cheaper than a QBuffer or a text buffer.
class AppendDevice final : public QIODevice {
public:
    explicit AppendDevice(QByteArray& target) : out(target) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        out.append(data, size);
        return size;
    }

private:
    QByteArray& out;
};

const QString lineEnd = QStringLiteral("\n");

// RECORD elements only: the document around them is written by adxFile.
//
// Qt's XML writer takes about half a microsecond an element, over a second
// for 100,000 QSOs. Most elements repeat (band, mode, reports, state,
// station), so the writer writes each distinct element once and its bytes
// are copied after that. A tag with too many values to be worth keeping
// (callsigns, dates, castles) goes to the writer every time.
class AdxWriter final : public AdifWriter {
public:
    explicit AdxWriter(qsizetype expected) { out.reserve(expected * 520); }
    void add(const StandardRecord& record) override
    {
        // Written as the XML writer writes them; the writer only ever writes
        // whole elements, so it is never left inside a tag between calls.
        out += "<RECORD>";
        for (const AdifField& field : record.fields)
            addElement(field);
        out += "</RECORD>\n"; // one record a line: indenting every field costs a third more time
    }
    QByteArray finish() override { return std::move(out); }

private:
    static constexpr qsizetype keptValues = 256; // per tag

    struct Kept {
        QHash<QString, QByteArray> elements;
        bool full = false;
    };

    void addElement(const AdifField& field)
    {
        Kept& kept = keptByTag[field.tag];
        if (!kept.full) {
            const auto known = kept.elements.constFind(field.value);
            if (known != kept.elements.cend()) {
                out += *known;
                return;
            }
        }
        element.resize(0);
        xml.writeTextElement(field.tag, field.value);
        out += element;
        if (!kept.full) {
            kept.elements.insert(field.value, element);
            if (kept.elements.size() >= keptValues) {
                kept.full = true;
                kept.elements.clear();
            }
        }
    }

    QByteArray out, element;
    AppendDevice device{element};
    QXmlStreamWriter xml{&device};
    QHash<QString, Kept> keptByTag;
};

QByteArray adxFile(const QDateTime& created, const QList<QByteArray>& records, qsizetype size)
{
    QByteArray out;
    out.reserve(size + 400);
    AppendDevice device(out);
    QXmlStreamWriter xml(&device);
    xml.writeStartDocument();
    xml.writeCharacters(lineEnd);
    xml.writeStartElement(QStringLiteral("ADX"));
    xml.writeStartElement(QStringLiteral("HEADER"));
    for (const AdifField& field : headerFields(created))
        xml.writeTextElement(field.tag, field.value);
    xml.writeEndElement();
    xml.writeCharacters(lineEnd);
    xml.writeStartElement(QStringLiteral("RECORDS"));
    xml.writeCharacters(lineEnd); // closes the start tag, so the records can follow it
    for (const QByteArray& part : records)
        out += part;
    xml.writeEndDocument(); // </RECORDS></ADX>
    return out;
}

} // namespace

std::unique_ptr<AdifWriter> adifWriter(AdifForm form, qsizetype expectedRecords)
{
    if (form == AdifForm::Adx)
        return std::make_unique<AdxWriter>(expectedRecords);
    return std::make_unique<AdiWriter>(expectedRecords);
}

QByteArray standardFile(AdifForm form, const QString& callsign, const QDateTime& created,
                        const QList<QByteArray>& records)
{
    qsizetype size = 0;
    for (const QByteArray& part : records)
        size += part.size();
    if (form == AdifForm::Adx)
        return adxFile(created, records, size);
    QByteArray out = adiHeader(callsign, created);
    out.reserve(out.size() + size);
    for (const QByteArray& part : records)
        out += part;
    return out;
}
