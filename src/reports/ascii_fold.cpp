#include "reports/ascii_fold.h"
#include "platform/text_file.h"
#include <QHash>

namespace {

QString spelledOut(char16_t c)
{
    switch (c) {
    case u'Œ': return QStringLiteral("OE");
    case u'œ': return QStringLiteral("oe");
    case u'Æ': return QStringLiteral("AE");
    case u'æ': return QStringLiteral("ae");
    case u'ß': return QStringLiteral("SS");
    case u'Ø': return QStringLiteral("O");
    case u'ø': return QStringLiteral("o");
    case u'Ð': return QStringLiteral("D");
    case u'ð': return QStringLiteral("d");
    case u'Þ': return QStringLiteral("TH");
    case u'þ': return QStringLiteral("th");
    case u'Ł': return QStringLiteral("L");
    case u'ł': return QStringLiteral("l");
    case u'‘': case u'’': case u'‚': case u'´': case u'‹': case u'›': return QStringLiteral("'");
    case u'“': case u'”': case u'„': case u'«': case u'»': return QStringLiteral("\"");
    case u'–': case u'—': return QStringLiteral("-");
    case u'€': return QStringLiteral("EUR");
    case u'×': return QStringLiteral("x");
    case u'÷': return QStringLiteral("/");
    case u'°': return QStringLiteral("o"); // "n°3" reads "no3"
    case u'·': case u'•': return QStringLiteral(".");
    case u'\u00AD': return QString(); // soft hyphen: invisible
    default: return QStringLiteral("?");
    }
}

QString foldOne(char16_t c)
{
    const QString spelled = spelledOut(c);
    if (spelled != QLatin1String("?"))
        return spelled;
    // Compatibility decomposition splits "É" into "E" and its accent, "…" into
    // "...", "²" into "2"; only the ASCII part is kept.
    QString kept;
    for (const QChar part : QString(QChar(c)).normalized(QString::NormalizationForm_KD))
        if (part.unicode() >= 32 && part.unicode() < 127)
            kept += part;
    return kept.isEmpty() ? spelled : kept;
}

// Every character a log line can hold (Windows-1252), folded once.
const QHash<char16_t, QString>& windows1252Folds()
{
    static const QHash<char16_t, QString> folds = [] {
        QHash<char16_t, QString> table;
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char single = char(byte);
            const QString c = fromWindows1252(QByteArrayView(&single, 1));
            if (c.size() == 1)
                table.insert(c[0].unicode(), foldOne(c[0].unicode()));
        }
        return table;
    }();
    return folds;
}

} // namespace

bool isPrintableAscii(QStringView text)
{
    for (const QChar c : text)
        if (c.unicode() < 32 || c.unicode() > 126)
            return false;
    return true;
}

QString foldToAscii(const QString& text)
{
    if (isPrintableAscii(text))
        return text; // shared, not copied: most text is plain already
    QString folded;
    folded.reserve(text.size() + 4);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 32 && u < 127)
            folded += c;
        else if (u < 32 || u == 127)
            folded += QLatin1Char(' ');
        else {
            const auto known = windows1252Folds().constFind(u);
            folded += known != windows1252Folds().cend() ? *known : foldOne(u);
        }
    }
    return folded;
}
