#pragma once
// The program's instance, its message loop, and the modal loops that wait on a window.
#include <windows.h>

namespace ui {

class Application {
public:
    static HINSTANCE Instance();
    static void SetInstance(HINSTANCE instance);

    // Runs until WM_QUIT; returns its exit code. Modeless dialogs get their keyboard
    // navigation through IsDialogMessage.
    static int Run();

    // Handles every message already waiting, then returns (long operations call it so the
    // windows stay responsive).
    static void ProcessPendingMessages();

    // Runs messages until `done` turns true or WM_QUIT arrives (re-posted for the outer loop).
    template <typename Predicate>
    static void RunUntil(Predicate done) {
        while (!done()) {
            MSG message;
            if (::GetMessageA(&message, nullptr, 0, 0) <= 0) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            Dispatch(message);
        }
    }

    static void Dispatch(MSG& message);
};

}  // namespace ui
