#pragma once
// A window timer that is killed with its owner object. WM_TIMER arrives at the window with
// the timer's id.
#include <windows.h>

namespace ui {

class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer() { Stop(); }

    void Start(HWND window, UINT_PTR id, UINT milliseconds) {
        Stop();
        if (::SetTimer(window, id, milliseconds, nullptr)) {
            window_ = window;
            id_ = id;
        }
    }
    void Stop() {
        if (window_) ::KillTimer(window_, id_);
        window_ = nullptr;
    }
    [[nodiscard]] bool running() const { return window_ != nullptr; }

private:
    HWND window_ = nullptr;
    UINT_PTR id_ = 0;
};

}  // namespace ui
