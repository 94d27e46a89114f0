#include "ui/application.h"

namespace ui {
namespace {
HINSTANCE g_instance = nullptr;

bool IsDialogWindow(HWND window) {
    char className[16] = {};
    return ::GetClassNameA(window, className, sizeof className) && lstrcmpA(className, "#32770") == 0;
}
}  // namespace

HINSTANCE Application::Instance() {
    if (!g_instance) g_instance = ::GetModuleHandleA(nullptr);
    return g_instance;
}

void Application::SetInstance(HINSTANCE instance) { g_instance = instance; }

void Application::Dispatch(MSG& message) {
    // A modeless dialog gets the keyboard first (Tab, Enter, Esc) for its controls.
    HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogWindow(root) && ::IsDialogMessageA(root, &message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
}

int Application::Run() {
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
    return static_cast<int>(message.wParam);
}

void Application::ProcessPendingMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

}  // namespace ui
