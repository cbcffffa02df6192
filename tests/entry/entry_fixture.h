#pragma once
#include "entry/saisie_widget.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QStringList>
#include <memory>

// The real main window of station F5ABC on a log of the test's choosing,
// driven with key and mouse events.
class EntryTest : public DataDirTest {
protected:
    // bandIndex: the band remembered for the station; dateAuto "Oui", "Non" or absent.
    void start(const QStringList& log, int bandIndex = 4, const QString& dateAuto = QStringLiteral("Oui"));

    QWidget* focused() const { return window->focusWidget(); }
    // Types into the field that holds the focus, as the operator does.
    void type(const QString& text);
    void enter();
    void typeEnter(const QString& text);
    // Callsign, first name, department and reference, each followed by Enter.
    void typeHeader(const QString& call, const QString& prenom, const QString& dpt, const QString& ref);
    void clickRow(int row);
    void doubleClickRow(int row);
    QStringList logLines() const;

    std::unique_ptr<Main> window;
    SaisieFrame* f = nullptr;
};
