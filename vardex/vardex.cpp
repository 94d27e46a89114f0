// vardex: a windowless launcher. Its arguments are ignored; it shows and reports nothing.
#include <windows.h>

#include "vardex/launcher.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunLauncher(); }
