#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class Main;

// "Selection Indicaif": chooses the station whose log the program works on.
// Modal at the first installation, modeless from "Nouvel indicatif".
class Station : public QDialog {
    Q_OBJECT
public:
    explicit Station(Main& main);

    QLineEdit* New_Indicatif = nullptr;
    QPushButton* Validation = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void validate();
    // The log of the chosen station, created when it has none; false (and the
    // operator told why) when it cannot be used.
    bool ensureLog(const QString& callsign, bool& created);
    void refuse(const QString& message, bool clearEntry = false);

    Main& main;
};
