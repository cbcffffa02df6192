#pragma once
#include <QDialog>
#include <memory>

struct AppContext;
class HttpTransfer;
class QLabel;
class QLineEdit;
class QPushButton;
struct HttpReply;

// "Paramètres": the addresses of the award's and the cluster's web servers,
// checked as they are typed, with a trial fetch of the castle list.
class Parametres : public QDialog {
    Q_OBJECT
public:
    explicit Parametres(AppContext& context, QWidget* parent = nullptr);
    ~Parametres() override;

    // The sentence telling why the operator was sent here (empty hides it).
    void setReason(const QString& reason);

    QLabel* Raison = nullptr;
    QLineEdit* Serveur_DFCF = nullptr;
    QLineEdit* Serveur_Cluster = nullptr;
    QLabel* Etat_DFCF = nullptr;
    QLabel* Etat_Cluster = nullptr;
    QPushButton* Tester = nullptr;
    QLabel* Resultat_Test = nullptr;
    QPushButton* Enregistrer = nullptr;
    QPushButton* Annuler = nullptr;

private:
    void buildControls();
    void check();
    void test();
    void tested(const HttpReply& reply);
    void save();

    AppContext& ctx;
    std::unique_ptr<HttpTransfer> transfer;
};
