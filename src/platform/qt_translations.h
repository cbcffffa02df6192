#pragma once

class QCoreApplication;

// Every text of Qt's own dialogs and menus (Yes/No buttons, the print and file
// dialogs, the text fields' context menu) in French, and French number and
// date formats, whatever the language of the system. False when Qt's French
// catalogue could not be found; the program still runs, with those texts in English.
bool installFrenchTranslations(QCoreApplication& app);
