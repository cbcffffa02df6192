#include "logbook/station.h"
#include "reports/adif_standard.h"
#include "reports/ascii_fold.h"
#include <QXmlStreamWriter>

namespace {

const QString programId = QStringLiteral("KOR_DFCF");
const QString adifVersion = QStringLiteral("3.1.4");

QList<AdifField> headerFields(const QDateTime& created)
{
    return {{QLatin1StringView("ADIF_VER"), adifVersion},
            {QLatin1StringView("PROGRAMID"), programId},
            {QLatin1StringView("PROGRAMVERSION"), Revision_Programme.trimmed()},
            {QLatin1StringView("CREATED_TIMESTAMP"), created.toUTC().toString(QStringLiteral("yyyyMMdd HHmmss"))}};
}

// <TAG:length>value; every value is ASCII, so its length in characters is
// its length in bytes.
void appendAdiField(QByteArray& out, const AdifField& field)
{
    out += '<';
    out.append(field.tag.data(), field.tag.size());
    out += ':';
    out += QByteArray::number(field.value.size());
    out += '>';
    out += field.value.toLatin1();
}

} // namespace

QByteArray standardAdi(const QString& callsign, const QList<StandardRecord>& records, const QDateTime& created)
{
    QByteArray out;
    out.reserve(200 + records.size() * 260);
    // Free text first, so that no reader takes the file for a header-less one.
    out += foldToAscii(QStringLiteral("Log de la station %1 exporté par KOR_DFCF au format ADIF standard")
                           .arg(displayedCallsign(callsign)))
               .toLatin1();
    out += "\r\n";
    for (const AdifField& field : headerFields(created)) {
        appendAdiField(out, field);
        out += "\r\n";
    }
    out += "<EOH>\r\n";
    for (const StandardRecord& record : records) {
        if (!record.problem.isEmpty())
            continue;
        for (const AdifField& field : record.fields) {
            if (field.intl)
                continue; // _INTL fields are not allowed in an .adi file
            appendAdiField(out, field);
            out += ' ';
        }
        out += "<EOR>\r\n";
    }
    return out;
}

QByteArray standardAdx(const QList<StandardRecord>& records, const QDateTime& created)
{
    QByteArray out;
    out.reserve(300 + records.size() * 600);
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(1);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("ADX"));
    xml.writeStartElement(QStringLiteral("HEADER"));
    for (const AdifField& field : headerFields(created))
        xml.writeTextElement(QString(field.tag), field.value);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("RECORDS"));
    for (const StandardRecord& record : records) {
        if (!record.problem.isEmpty())
            continue;
        xml.writeStartElement(QStringLiteral("RECORD"));
        for (const AdifField& field : record.fields)
            xml.writeTextElement(QString(field.tag), field.value);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return out;
}
