#include "logbook/station.h"
#include "reports/adif_standard.h"
#include "reports/ascii_fold.h"
#include <QXmlStreamWriter>

namespace {

QList<AdifField> headerFields(const QDateTime& created)
{
    return {{QStringLiteral("ADIF_VER"), QStringLiteral("3.1.4")},
            {QStringLiteral("PROGRAMID"), QStringLiteral("KOR_DFCF")},
            {QStringLiteral("PROGRAMVERSION"), Revision_Programme.trimmed()},
            {QStringLiteral("CREATED_TIMESTAMP"), created.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss"))}};
}

// Tags and values are ASCII by then: one character is one byte.
void appendAscii(QByteArray& out, const QString& text)
{
    for (const QChar c : text)
        out += char(c.unicode());
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

class AdiWriter final : public AdifWriter {
public:
    AdiWriter(const QString& callsign, const QDateTime& created, qsizetype expected)
    {
        out.reserve(300 + expected * 280);
        // Free text first, so that no reader takes the file for one without a header.
        out += foldToAscii(QStringLiteral("Log de la station %1 exporté par KOR_DFCF au format ADIF standard")
                               .arg(displayedCallsign(callsign)))
                   .toLatin1();
        out += "\r\n";
        for (const AdifField& field : headerFields(created)) {
            appendAdiField(out, field);
            out += "\r\n";
        }
        out += "<EOH>\r\n";
    }
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

class AdxWriter final : public AdifWriter {
public:
    AdxWriter(const QDateTime& created, qsizetype expected)
    {
        out.reserve(300 + expected * 330);
        xml.writeStartDocument();
        xml.writeCharacters(lineEnd);
        xml.writeStartElement(QStringLiteral("ADX"));
        xml.writeStartElement(QStringLiteral("HEADER"));
        for (const AdifField& field : headerFields(created))
            xml.writeTextElement(field.tag, field.value);
        xml.writeEndElement();
        xml.writeCharacters(lineEnd);
        xml.writeStartElement(QStringLiteral("RECORDS"));
        xml.writeCharacters(lineEnd);
    }
    void add(const StandardRecord& record) override
    {
        xml.writeStartElement(QStringLiteral("RECORD"));
        for (const AdifField& field : record.fields)
            xml.writeTextElement(field.tag, field.value);
        xml.writeEndElement();
        xml.writeCharacters(lineEnd); // one record a line: indenting every field costs a third more time
    }
    QByteArray finish() override
    {
        xml.writeEndDocument();
        return std::move(out);
    }

private:
    const QString lineEnd = QStringLiteral("\n");
    QByteArray out;
    AppendDevice device{out};
    QXmlStreamWriter xml{&device};
};

} // namespace

std::unique_ptr<AdifWriter> adiWriter(const QString& callsign, const QDateTime& created, qsizetype expectedRecords)
{
    return std::make_unique<AdiWriter>(callsign, created, expectedRecords);
}

std::unique_ptr<AdifWriter> adxWriter(const QDateTime& created, qsizetype expectedRecords)
{
    return std::make_unique<AdxWriter>(created, expectedRecords);
}
