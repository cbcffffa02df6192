#pragma once
#include "awards/award_check_window.h"

// The VHF and UHF award checks: the same two blocks, de Base and Honneur,
// with the texts, band and limits of each group.
class Diplome_VHF : public AwardCheckWindow {
    Q_OBJECT
public:
    explicit Diplome_VHF(AppContext& context, QWidget* parent = nullptr);
};

class Diplome_UHF : public AwardCheckWindow {
    Q_OBJECT
public:
    explicit Diplome_UHF(AppContext& context, QWidget* parent = nullptr);
};
