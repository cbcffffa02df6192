#pragma once
#include "reports/adif_import.h"
#include <QWidget>

class Main;
class QLabel;
class QPushButton;
class QTreeWidget;

// Import_ADIF "Importer un fichier ADIF": what the file would bring, before
// anything is written: the counts, and every DFCF QSO with its fate and the
// reason; "Importer" writes the log once, "Annuler" leaves it alone.
class Import_ADIF : public QWidget {
    Q_OBJECT
public:
    Import_ADIF(Main& main, const QString& fileName, AdifScan scan);

    QLabel* Fichier = nullptr;
    QLabel* Compte = nullptr;
    QTreeWidget* Liste_Import = nullptr;
    QPushButton* Importer = nullptr;
    QPushButton* Annuler = nullptr;

private:
    void buildControls(const QString& fileName);
    void showScan();
    void import();

    Main& main;
    AdifScan scan;
};
