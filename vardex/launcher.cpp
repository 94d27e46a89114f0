// The launcher's steps: tell the window manager that a screen saver is running, then start
// the companion program in its screen-saver mode. The results of both calls are ignored and
// the exit code is always 0. The flag stays on; switching it off is the companion's business.
#include "vardex/launcher.h"

#include <windows.h>

int RunLauncher() {
    UINT previousState = 0;
    ::SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &previousState, 0);
    ::WinExec("c:\\vardex\\vardex.exe /s", SW_SHOW);
    return 0;
}
