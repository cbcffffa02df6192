#pragma once
#include "awards/award_check_window.h"

// "Diplomes DFCF bande HF": the four HF awards, de Base, Honneur, Trophé and
// Excellence.
class Diplomes : public AwardCheckWindow {
    Q_OBJECT
public:
    explicit Diplomes(AppContext& context, QWidget* parent = nullptr);
};
