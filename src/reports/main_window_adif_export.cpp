#include "shell/main_window.h"

void Main::wireAdifExport() {}
