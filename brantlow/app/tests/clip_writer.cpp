// Plays another program in the monitor's test: puts its first argument on the clipboard.
#include <windows.h>

#include "platform/clipboard.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    return platform::WriteClipboardText(nullptr, argv[1]) ? 0 : 1;
}
