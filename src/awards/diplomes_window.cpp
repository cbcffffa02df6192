#include "awards/diplomes_window.h"

namespace {

AwardWindowSpec hfSpec()
{
    const QString castles = QStringLiteral("Chateaux confirmés");
    const QString castlesAnd = QStringLiteral("Chateaux confirmés et");
    const QString departments = QStringLiteral("départements confirmés");
    const QString voir = QStringLiteral("Voir la liste");
    AwardWindowSpec spec;
    spec.group = QStringLiteral("HF");
    spec.caption = QStringLiteral("Diplomes DFCF bande HF");
    spec.titleFrame = "Frame1";
    spec.titleLabel = "Label2";
    spec.title = QStringLiteral("Diplomes DFCF bande HF");
    spec.blocksFrame = "Frame2";
    spec.lines = {"Line2", "Line3", "Line4"};
    spec.blocks = {
        {QStringLiteral("de Base"), "Label4", QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DFCF de base"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DFCF de base"), "Label18", "Label5", "Label6", castles,
         nullptr, nullptr, {}, "HF_Base", voir},
        {QStringLiteral("Honneur"), "Label7", QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DFCF Honneur"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DFCF Honneur"), "Label19", "Label8", "Label9", castlesAnd,
         "Label10", "Label11", departments, "HF_Honneur", voir},
        {QStringLiteral("Trophe"), "Label12", QStringLiteral("Vous ne pouvez pas encore obtenir le trophé DFCF"),
         QStringLiteral("Bravo vous pouvez obtenir le Trophé DFCF"), "Label20", "Label13", "Label14", castlesAnd,
         "Label22", "Label23", departments, "HF_Trophe", voir},
        {QStringLiteral("Excellence"), "Label15",
         QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DFCF Excellence"),
         QStringLiteral("Bravo vous pouvez obtenir le Diplome DFCF Excellence"), "Label21", nullptr, nullptr, {},
         "Label16", "Label17", QStringLiteral("Départements confirmés"), "HF_Excellence", voir},
    };
    return spec;
}

} // namespace

Diplomes::Diplomes(AppContext& context, QWidget* parent) : AwardCheckWindow(context, hfSpec(), parent)
{
    setObjectName(QStringLiteral("Diplomes"));
}
