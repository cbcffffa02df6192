#include "awards/diplomes_window.h"

namespace {

AwardWindowDesign hfSpec()
{
    const QString castles = QStringLiteral("Chateaux confirmés");
    const QString castlesAnd = QStringLiteral("Chateaux confirmés et");
    const QString departments = QStringLiteral("départements confirmés");
    const QString voir = QStringLiteral("Voir la liste");
    AwardWindowDesign design;
    design.group = QStringLiteral("HF");
    design.caption = QStringLiteral("Diplomes DFCF bande HF");
    design.titleFrame = "Frame1";
    design.titleLabel = "Label2";
    design.title = QStringLiteral("Diplomes DFCF bande HF");
    design.blocksFrame = "Frame2";
    design.lines = {"Line2", "Line3", "Line4"};
    design.blocks = {
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
    return design;
}

} // namespace

Diplomes::Diplomes(AppContext& context, QWidget* parent) : AwardCheckWindow(context, hfSpec(), parent)
{
    setObjectName(QStringLiteral("Diplomes"));
}
