#include "ui/window.h"

#include "ui/application.h"

namespace ui {

std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

Window::~Window() { Destroy(); }

bool Window::RegisterClass(const WindowClassOptions& options) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExA(Application::Instance(), options.className, &existing)) return true;

    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = options.style;
    wc.lpfnWndProc = &Window::WindowProc;
    wc.hInstance = Application::Instance();
    wc.hIcon = options.icon;
    wc.hIconSm = options.icon;
    wc.hCursor = options.cursor ? options.cursor : ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = options.background;
    wc.lpszMenuName = options.menuName;
    wc.lpszClassName = options.className;
    return ::RegisterClassExA(&wc) != 0;
}

bool Window::Create(const char* className, const WindowCreateOptions& options) {
    return ::CreateWindowExA(options.exStyle, className, options.title.c_str(), options.style,
                             options.x, options.y, options.width, options.height, options.parent,
                             options.menu, Application::Instance(), this) != nullptr;
}

void Window::Destroy() {
    if (hwnd_) ::DestroyWindow(hwnd_);  // WM_NCDESTROY clears hwnd_
}

std::string Window::Text() const { return WindowText(hwnd_); }

void Window::SetText(const std::string& text) const { ::SetWindowTextA(hwnd_, text.c_str()); }

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
        break;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CLOSE:
        if (OnClose()) return 0;
        break;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        break;
    }
    return DefaultHandling(message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

}  // namespace ui
