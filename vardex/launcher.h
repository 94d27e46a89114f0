#pragma once

// Sets the screen-saver flag and starts the companion program; always returns 0.
int RunLauncher();
