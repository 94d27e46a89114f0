#include "ui/testing/window_driver.h"

#include <memory>
#include <vector>

#include "ui/application.h"
#include "ui/screenshot.h"
#include "ui/window.h"

namespace ui::testing {
namespace {

using Clock = std::chrono::steady_clock;

struct PendingScript {
    std::string title;
    std::function<void(HWND)> script;
    UINT_PTR timer = 0;
};
std::vector<std::unique_ptr<PendingScript>> g_pending;

void CALLBACK CheckPendingScripts(HWND, UINT, UINT_PTR timer, DWORD) {
    for (auto it = g_pending.begin(); it != g_pending.end(); ++it) {
        if ((*it)->timer != timer) continue;
        HWND window = FindProcessWindow((*it)->title);
        if (!window) return;
        ::KillTimer(nullptr, timer);
        std::unique_ptr<PendingScript> pending = std::move(*it);
        g_pending.erase(it);
        pending->script(window);
        return;
    }
}

// Holds the modifier keys down in this thread's keyboard state while it lives, so that
// controls asking GetKeyState see them.
class HeldModifiers {
public:
    explicit HeldModifiers(std::initializer_list<UINT> keys) {
        ::GetKeyboardState(saved_);
        BYTE state[256];
        ::GetKeyboardState(state);
        for (UINT key : keys) state[key] |= 0x80;
        ::SetKeyboardState(state);
    }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;
    ~HeldModifiers() { ::SetKeyboardState(saved_); }

private:
    BYTE saved_[256]{};
};

LPARAM KeyData(UINT virtualKey, bool release) {
    const UINT scanCode = ::MapVirtualKeyA(virtualKey, 0 /* MAPVK_VK_TO_VSC */);
    LPARAM data = 1 | (static_cast<LPARAM>(scanCode) << 16);
    if (release) data |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
    return data;
}

}  // namespace

void Pump(std::chrono::milliseconds duration) {
    const auto end = Clock::now() + duration;
    do {
        Application::ProcessPendingMessages();
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() > 0)
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<long long>(left.count(), 10)),
                                        QS_ALLINPUT);
    } while (Clock::now() < end);
    Application::ProcessPendingMessages();
}

bool PumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = Clock::now() + timeout;
    while (!condition()) {
        if (Clock::now() >= end) return false;
        Pump(std::chrono::milliseconds(10));
    }
    return true;
}

HWND FindProcessWindow(std::string_view title, std::string_view className) {
    struct Search {
        std::string_view title, className;
        HWND found = nullptr;
    } search{title, className};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(param);
            if (!::IsWindowVisible(window) || WindowText(window) != s.title) return TRUE;
            if (!s.className.empty()) {
                char name[256] = {};
                ::GetClassNameA(window, name, sizeof name);
                if (s.className != name) return TRUE;
            }
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void WhenWindowAppears(std::string title, std::function<void(HWND)> script) {
    auto pending = std::make_unique<PendingScript>(PendingScript{std::move(title), std::move(script)});
    pending->timer = ::SetTimer(nullptr, 0, 20, &CheckPendingScripts);
    g_pending.push_back(std::move(pending));
}

HWND WindowDriver::Control(int id) const { return ::GetDlgItem(window_, id); }

std::string WindowDriver::Text() const { return WindowText(window_); }

std::string WindowDriver::Text(int id) const { return WindowText(Control(id)); }

void WindowDriver::Type(int id, std::string_view text) const {
    HWND control = Control(id);
    ::SetFocus(control);
    // The characters themselves: key-down messages would be translated into characters
    // again, without the case and accents of the text.
    for (char c : text) {
        const SHORT scan = ::VkKeyScanA(c);
        const UINT virtualKey = scan == -1 ? 0 : LOBYTE(scan);
        ::PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), KeyData(virtualKey, false));
    }
    Pump(std::chrono::milliseconds(0));
}

void WindowDriver::PressKey(int id, UINT virtualKey, std::initializer_list<UINT> modifiers) const {
    HWND control = id ? Control(id) : window_;
    ::SetFocus(control);
    HeldModifiers held(modifiers);
    ::PostMessageA(control, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
    ::PostMessageA(control, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
    Pump(std::chrono::milliseconds(0));
}

void WindowDriver::Click(int id) const {
    HWND control = Control(id);
    RECT client{};
    ::GetClientRect(control, &client);
    const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    ::PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    ::PostMessageA(control, WM_LBUTTONUP, 0, middle);
    Pump(std::chrono::milliseconds(0));
}

void WindowDriver::Command(int id) const {
    ::PostMessageA(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump(std::chrono::milliseconds(0));
}

bool WindowDriver::SaveScreenshot(const std::string& path) const {
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    Pump(std::chrono::milliseconds(100));
    const common::RgbImage image = CaptureWindow(window_);
    return image.width > 0 && common::WritePngFile(path, image);
}

}  // namespace ui::testing
