#pragma once
#include <QStringList>

class QCoreApplication;

// Where the program's own French texts for Qt's dialogs lie: beside the
// executable (build tree, portable folder) or in share/kor-dfcf of an
// installed program.
QStringList ownTranslationFolders();

// Every text of Qt's own dialogs and menus (Yes/No buttons, the print and file
// dialogs, the text fields' context menu) in French, and French number and
// date formats, whatever the language of the system. Qt's French catalogue
// lacks a few texts (the printer properties); the program's own file, looked
// for in ownFolders, supplies them. False when Qt's French catalogue could not
// be found; the program still runs, with those texts in English.
bool installFrenchTranslations(QCoreApplication& app, const QStringList& ownFolders = ownTranslationFolders());
