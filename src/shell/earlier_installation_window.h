#pragma once

struct AppContext;

// At the first start of an installation whose data folder holds no log,
// offers once to copy the log and lists of an earlier installation.
void offerEarlierInstallation(AppContext& context);
