#include "reports/adif_reader.h"
#include <QXmlStreamReader>

namespace {

bool named(QStringView name, const char* wanted) { return name.compare(QLatin1StringView(wanted), Qt::CaseInsensitive) == 0; }

} // namespace

// ADX: <ADX><HEADER>...</HEADER><RECORDS><RECORD><CALL>F5ABC</CALL>...</RECORD></RECORDS></ADX>.
// Values are kept as UTF-8 so that a record reads the same as one of an ADI file.
AdifRead readAdx(QByteArrayView bytes, const AdifVisit& visit, const AdifProgress& progress)
{
    AdifRead read;
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), bytes.size()));
    std::array<QByteArray, size_t(AdifTag::Count)> storage;
    AdifRecord record;
    bool inRecord = false;
    int number = 0;
    for (quint32 tokens = 1; !xml.atEnd(); ++tokens) {
        if (tokens % 16384 == 0 && progress && !progress(xml.characterOffset())) {
            read.stopped = true;
            return read;
        }
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (named(xml.name(), "RECORD")) {
                inRecord = true;
                record.clear();
                continue;
            }
            if (!inRecord)
                continue;
            const AdifTag tag = adifTagOf(xml.name().toLatin1());
            const QString value = xml.readElementText(QXmlStreamReader::SkipChildElements);
            if (tag != AdifTag::Count) {
                storage[size_t(tag)] = value.toUtf8();
                record.set(tag, storage[size_t(tag)]);
            }
        } else if (token == QXmlStreamReader::EndElement && inRecord && named(xml.name(), "RECORD")) {
            inRecord = false;
            record.number = ++number;
            ++read.records;
            visit(record);
        }
    }
    // A file cut after its last record has lost nothing.
    const bool cutAfterRecord = !inRecord && xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && read.records > 0;
    if (xml.hasError() && !cutAfterRecord) {
        const QString where = QStringLiteral("le fichier ADX est abîmé à la ligne %1").arg(xml.lineNumber());
        if (inRecord || read.records > 0) {
            read.damaged.append({++number, inRecord ? record.text(AdifTag::Call) : QString(), where});
            read.damagedCount = 1;
        } else {
            read.error = QStringLiteral("Ce fichier n'est pas un fichier ADIF lisible : %1.").arg(where);
        }
    }
    return read;
}
