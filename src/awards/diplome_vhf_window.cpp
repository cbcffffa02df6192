#include "awards/diplome_vhf_window.h"

namespace {

// What differs between the two windows.
struct BandDifferences {
    QString group;
    QString caption;
    const char* titleFrame;
    const char* titleLabel;
    QString title;
    const char* baseButton;
    const char* honneurButton;
};

AwardWindowDesign bandSpec(const BandDifferences& band)
{
    AwardWindowDesign design;
    design.group = band.group;
    design.caption = band.caption;
    design.titleFrame = band.titleFrame;
    design.titleLabel = band.titleLabel;
    design.title = band.title;
    design.blocksFrame = "Frame3";
    design.lines = {"Line2"};
    design.blocks = {
        {QStringLiteral("de Base"), "Label25", QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DFCF de base"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DFCF de base"), "Label27", "Label28", "Label29",
         QStringLiteral("Chateaux confirmés"), nullptr, nullptr, {}, band.baseButton, QStringLiteral("Voir la liste")},
        {QStringLiteral("Honneur"), "Label26", QStringLiteral("Vous ne pouvez pas encore obtenir le diplome DFCF Honneur"),
         QStringLiteral("Bravo vous pouvez obtenir le diplome DFCF Honneur"), "Label30", "Label31", "Label32",
         QStringLiteral("Chateaux confirmés et"), "Label33", "Label34", QStringLiteral("départements confirmés"),
         band.honneurButton, QStringLiteral("Voire la liste")},
    };
    return design;
}

} // namespace

Diplome_VHF::Diplome_VHF(AppContext& context, QWidget* parent)
    : AwardCheckWindow(context,
                       bandSpec({QStringLiteral("VHF"), QStringLiteral("Diplome DFCF bande VHF"), "Frame1", "Label2",
                                 QStringLiteral("Diplomes DFCF bande VHF"), "VHF_Base", "VHF_Honneur"}),
                       parent)
{
    setObjectName(QStringLiteral("Diplome_VHF"));
}

Diplome_UHF::Diplome_UHF(AppContext& context, QWidget* parent)
    : AwardCheckWindow(context,
                       bandSpec({QStringLiteral("UHF"), QStringLiteral("Dîplome DFCF bande UHF"), "Frame2", "Label1",
                                 QStringLiteral("Diplomes DFCF bande UHF"), "UHF_Base", "UHF_Honneur"}),
                       parent)
{
    setObjectName(QStringLiteral("Diplome_UHF"));
}
