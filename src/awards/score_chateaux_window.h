#pragma once
#include <QWidget>

struct AppContext;

// "Scores": contacted and confirmed records and confirmed departments of the
// three band groups, computed once when the window loads.
class Score_chateaux : public QWidget {
    Q_OBJECT
public:
    explicit Score_chateaux(AppContext& context, QWidget* parent = nullptr);
};
