#include "entry/saisie_widget.h"
#include "shell/main_window.h"

void Main::wireEntry() { Frame3->wireMain(); }
