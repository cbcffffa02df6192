#include "shell/main_window.h"

void Main::wireStation() {}

void Main::firstInstallation() {}

void Main::recoverMissingLog() {}

