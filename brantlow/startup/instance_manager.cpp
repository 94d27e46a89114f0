#include "brantlow/startup/instance_manager.h"

#include <system_error>

#include "ui/application.h"

namespace brantlow {
namespace {

constexpr const char* kClassName = "TInstanceManager";
constexpr const char* kName = "BrantlowURL1";
constexpr DWORD kHandOverWaitMs = 5000;

[[noreturn]] void ThrowLastError(const char* what) {
    throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), what);
}

}  // namespace

InstanceManager::~InstanceManager() {
    if (window_) ::DestroyWindow(window_);
}

InstanceManager::StartResult InstanceManager::Start(std::string_view commandLine) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &InstanceManager::WindowProc;
    wc.hInstance = ui::Application::Instance();
    wc.lpszClassName = kClassName;
    if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        ThrowLastError("cannot register the instance window class");

    mutex_.reset(::CreateMutexA(nullptr, TRUE, kName));
    if (!mutex_) ThrowLastError("cannot create the instance mutex");

    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        if (::WaitForSingleObject(mutex_.get(), kHandOverWaitMs) != WAIT_OBJECT_0) return StartResult::HandedOver;
        HWND running = ::FindWindowA(kClassName, kName);
        if (!running) {
            const DWORD error = ::GetLastError();
            ::ReleaseMutex(mutex_.get());
            ::SetLastError(error ? error : ERROR_FILE_NOT_FOUND);
            ThrowLastError("cannot find the running instance");
        }
        COPYDATASTRUCT data{};
        data.dwData = kHandOverIdentifier;
        data.cbData = static_cast<DWORD>(commandLine.size());
        data.lpData = const_cast<char*>(commandLine.data());
        const LRESULT answer = ::SendMessageA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
        ::ReleaseMutex(mutex_.get());
        return answer > 0 ? StartResult::HandedOver : StartResult::Secondary;
    }

    window_ = ::CreateWindowExA(0, kClassName, kName, 0, 0, 0, 0, 0, nullptr, nullptr, ui::Application::Instance(),
                                this);
    const DWORD error = ::GetLastError();
    ::ReleaseMutex(mutex_.get());
    if (!window_) {
        ::SetLastError(error);
        ThrowLastError("cannot create the instance window");
    }
    return StartResult::Primary;
}

LRESULT CALLBACK InstanceManager::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        ::SetWindowLongPtrA(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<InstanceManager*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    if (message == WM_COPYDATA && self) {
        const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        // Exactly cbData bytes: the sender adds no terminator.
        self->lastText_.assign(static_cast<const char*>(data.lpData), data.lpData ? data.cbData : 0);
        self->lastIdentifier_ = data.dwData;
        if (self->handOver_) self->handOver_(self->lastText_);
        return 1;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace brantlow
