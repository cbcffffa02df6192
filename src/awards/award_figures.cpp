#include "awards/award_figures.h"
#include "logbook/bands.h"
#include "logbook/departments.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QDir>
#include <QStringView>

namespace {

enum class Group { None, HF, VHF, UHF };

Group groupOf(const QString& name)
{
    if (name == QLatin1String("HF"))
        return Group::HF;
    if (name == QLatin1String("VHF"))
        return Group::VHF;
    if (name == QLatin1String("UHF"))
        return Group::UHF;
    return Group::None;
}

// The band table turned into groups once, so that a pass over a long log
// compares views of the QRG column without building a string per line.
struct BandLookup {
    QList<QPair<QString, Group>> bands;
    BandLookup()
    {
        for (const BandEntry& entry : Groupe_Bande())
            bands.append({entry.label, groupOf(entry.group)});
    }
    Group of(const QString& line) const
    {
        const FieldSpan span = logColumns(LogField::QRG);
        const QStringView label = QStringView(line).mid(span.start, span.width).trimmed();
        for (const auto& band : bands)
            if (band.first == label)
                return band.second;
        return Group::None;
    }
};

} // namespace

void GroupFigures::add(const QString& line)
{
    ++contacted;
    if (!isConfirmed(line))
        return;
    ++confirmed;
    confirmedLines.append(line);
    // A department outside the 96 (blank, "00", "20", "98") still counts the
    // record but flags nothing.
    const int index = awardDepartmentIndex(logFieldTrimmed(line, LogField::Dpt));
    if (index < 0)
        return;
    if (!departmentFlags[index])
        ++confirmedDepartments;
    departmentFlags[index] = true;
    lastConfirmedLine[index] = line;
}

const GroupFigures* AwardFigures::group(const QString& name) const
{
    switch (groupOf(name)) {
    case Group::HF: return &hf;
    case Group::VHF: return &vhf;
    case Group::UHF: return &uhf;
    case Group::None: break;
    }
    return nullptr;
}

AwardFigures computeAwardFigures(const QStringList& logLines)
{
    static const BandLookup lookup;
    AwardFigures figures;
    for (const QString& line : logLines) {
        switch (lookup.of(line)) {
        case Group::HF: figures.hf.add(line); break;
        case Group::VHF: figures.vhf.add(line); break;
        case Group::UHF: figures.uhf.add(line); break;
        case Group::None: break;
        }
    }
    return figures;
}

FiguresRead readAwardFigures(const QString& dataDir, const QString& callsign)
{
    const QString name = logFileName(callsign);
    const LinesRead read = readLines(QDir(dataDir).filePath(name));
    switch (read.status) {
    case ReadStatus::Ok: return {Result::success(), computeAwardFigures(read.lines)};
    case ReadStatus::NotFound:
        return {Result::failure(QStringLiteral("Le log %1 est introuvable : les chiffres affichés sont à zéro.").arg(name)), {}};
    case ReadStatus::Error: break;
    }
    return {Result::failure(QStringLiteral("Impossible de lire le log %1 : les chiffres affichés sont à zéro.").arg(name),
                            read.error),
            {}};
}

const QList<AwardRule>& awardRules(const QString& group)
{
    static const QList<AwardRule> hf = {
        {QStringLiteral("de Base"), 30, 0},
        {QStringLiteral("Honneur"), 1500, 90},
        {QStringLiteral("Trophe"), 3000, 90},
        {QStringLiteral("Excellence"), 0, 95},
    };
    static const QList<AwardRule> vhf = {{QStringLiteral("de Base"), 10, 0}, {QStringLiteral("Honneur"), 150, 45}};
    static const QList<AwardRule> uhf = {{QStringLiteral("de Base"), 5, 0}, {QStringLiteral("Honneur"), 75, 20}};
    static const QList<AwardRule> none;
    switch (groupOf(group)) {
    case Group::HF: return hf;
    case Group::VHF: return vhf;
    case Group::UHF: return uhf;
    case Group::None: break;
    }
    return none;
}

AwardStatus awardStatus(const AwardRule& rule, const GroupFigures& figures)
{
    const int c = figures.confirmed;
    const int d = figures.confirmedDepartments;
    if (c >= rule.castles && d >= rule.departments)
        return {true, c, d};
    return {false, qMax(0, rule.castles - c), qMax(0, rule.departments - d)};
}
