#pragma once

class QMenu;
class QWebEngineView;

// Qt WebEngine has no French texts: a web view's right-click menu is the
// program's own, holding only what helps on the pages it shows (copy, back,
// forward, reload). Kept apart as it needs Qt WebEngine.
void useFrenchWebMenu(QWebEngineView* view);
// The menu for the place last right-clicked in the view; the caller owns it.
QMenu* frenchWebMenu(QWebEngineView* view);
