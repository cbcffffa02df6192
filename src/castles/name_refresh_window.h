#pragma once

#include <QWidget>

struct AppContext;
class LogSession;

// "Mise à jour du nom des chateaux du log DFCF": the warning, the refresh
// behind a modal progress dialog (no input reaches the log meanwhile), then
// the reloaded list with its last line selected and a fresh entry.
void runNameRefresh(AppContext& ctx, LogSession& session, QWidget* parent);
