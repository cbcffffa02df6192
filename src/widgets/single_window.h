#pragma once
#include <QPointer>
#include <QWidget>

// Centres a window on its screen, shrunk to fit it when it is larger.
void centreOnScreen(QWidget* window);

// Opens a window as its single instance: created on first use, brought to
// the front when already open, destroyed when closed.
template <class W, class Make> W* showSingle(QPointer<W>& slot, Make make)
{
    if (!slot) {
        slot = make();
        slot->setAttribute(Qt::WA_DeleteOnClose);
        slot->adjustSize();
        centreOnScreen(slot);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot;
}
