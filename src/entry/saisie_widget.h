#pragma once
#include <QGroupBox>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QAction;
class QListView;
class QPushButton;
class LogSession;
struct AppContext;
struct Ligne_Log;

// The controls of the window around the entry that the entry drives.
struct SaisieHost {
    QListView* list = nullptr; // Liste_DFCF
    QPushButton* Annule_Saisie = nullptr;
    QPushButton* Ajout_QSO = nullptr;
    QAction* Mnu_Date_Auto = nullptr;
    QAction* Mnu_Date_Man = nullptr;
    QLabel* Label33 = nullptr; // the UTC date
    QLabel* Label37 = nullptr; // the UTC time
    std::function<void(int row)> selectRow; // as a click on the row; none when out of the list
};

// Frame3 "Saisie ou modification d'un QSO": the entry fields of one QSO,
// checked one after the other on Enter, the save and cancel buttons, and the
// handling of the log list (show, edit, delete, insert) and of the date mode.
class SaisieFrame : public QGroupBox {
    Q_OBJECT
public:
    SaisieFrame(AppContext& context, LogSession& session);

    // Resets every field for a new QSO.
    void Init_Saisie();
    // No QSO is being typed, edited or inserted, and the band and mode lists
    // are not in the operator's hands: the radio may set them.
    bool entryIdle() const;
    // Connects the log list, its buttons and the date menu of the main window.
    void wireMain(SaisieHost controls);
    // The log was read again or changed: the row last clicked may be gone.
    void forgetSelection();

    // The log list (Liste_DFCF), Annule_Saisie, Ajout_QSO and the date menu.
    void clickRow(int row);
    void doubleClickRow(int row);
    void deleteSelected();
    void startInsertion();
    void chooseDateAuto();
    void chooseDateMan();

    // A new QSO started from these values as if the operator typed each one
    // and pressed Enter: every field passes its usual check, and the first
    // one refused keeps the focus. Empty values are left to the operator,
    // but the band: without one nothing is started.
    void startEntry(const QString& call, const QString& dpt, const QString& ref, const QString& band);

    // Valide_A: checks every field again, asks, then writes the QSO.
    void Valide();

    QLineEdit* Ind_A = nullptr;
    QLineEdit* Dpt_A = nullptr;
    QLineEdit* Prenom_A = nullptr;
    QLineEdit* Ref_A = nullptr;
    QLineEdit* Date_A = nullptr;
    QLineEdit* Heure_A = nullptr;
    QComboBox* Mode_A = nullptr;
    QComboBox* Bande_A = nullptr;
    QLineEdit* RST_A = nullptr;
    QLineEdit* RSTE_A = nullptr;
    QLineEdit* Rem_A = nullptr;
    QCheckBox* QSL_A = nullptr;
    QPushButton* Valide_A = nullptr;
    QPushButton* Efface_A = nullptr;
    QLabel* Mode_Aff = nullptr;

    bool Modification_En_Cours = false;
    bool Insertion_En_Cours = false;
    bool Liste_Verrouillee = false;

    // Ligne_Selectionnee: the row last clicked (-1 until one is) and the log
    // line it carried, so that edit and delete act on exactly that line.
    int selectedRow() const { return selectedPosition; }
    const QString& selectedLine() const { return Ligne_Selectionnee; }

    static const QColor activeColour; // (192,255,192)
    static const QColor doneColour;   // (255,255,192)

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    AppContext& ctx() const;
    bool autoDate() const;

    // Enter in a field: checks, then the next field of the chain.
    void enterPressed(QObject* field);
    void enterIndicatif();
    void enterReference();
    void referenceAccepted();
    bool refuse(QWidget* field, const QString& message);
    void moveOn(QWidget* done, QWidget* next);
    void setActive(QWidget* field);
    void setDone(QWidget* field);

    // Picks the list item the typed text names (any case).
    void settleCombo(QComboBox* combo);
    // Outside an edit, remembers the combo's index for the next QSO; only a
    // choice of the operator counts, never what a clicked row put there.
    void rememberIndex(QComboBox* combo);
    void rememberIfChosen(QComboBox* combo);
    void restoreIndexes();

    void resetFields(bool keepDate);
    void resetAfterSaving(int row = -1); // row to select, the last when -1
    void fillFrom(const QString& logLine);
    Ligne_Log typedQso() const;
    bool recheckAll();
    bool writeQso(const QString& line);
    int savedRow() const;
    void tellMissingPrenoms();
    void tellMissingCastles();

    AppContext& context;
    LogSession& session;
    SaisieHost host;
    int selectedPosition = -1;
    QString Ligne_Selectionnee;
    bool retyping = false;
    bool modeChosen = false;  // the operator typed in or picked from Mode_A
    bool bandeChosen = false; // the same for Bande_A
    enum class Write { Added, Inserted, Replaced } lastWrite = Write::Added;
    bool prenomListReported = false;
    bool castleListReported = false;
};
