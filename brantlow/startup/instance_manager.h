#pragma once
// Keeps the bookmark manager to one instance. The first instance owns a hidden window of
// class "TInstanceManager" titled "BrantlowURL1"; a later instance sends it its complete
// command line (copy-data identifier 1555) and ends. The named mutex "BrantlowURL1"
// orders instances that start at the same moment.
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/handles.h"

namespace brantlow {

class InstanceManager {
public:
    static constexpr ULONG_PTR kHandOverIdentifier = 1555;

    enum class StartResult {
        Primary,    // the first instance: the hidden window is ours
        HandedOver, // another instance took the command line (or did not answer): end now
        Secondary,  // another instance refused it: go on as an ordinary instance
    };

    InstanceManager() = default;
    InstanceManager(const InstanceManager&) = delete;
    InstanceManager& operator=(const InstanceManager&) = delete;
    ~InstanceManager();

    // Throws std::system_error when the window class, the mutex or the window cannot be made,
    // or the running instance's window cannot be found.
    StartResult Start(std::string_view commandLine);

    // Receives the command lines that later instances hand over.
    void SetHandOver(std::function<void(const std::string&)> handOver) { handOver_ = std::move(handOver); }

    [[nodiscard]] const std::string& lastText() const { return lastText_; }
    [[nodiscard]] ULONG_PTR lastIdentifier() const { return lastIdentifier_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    ui::KernelHandle mutex_;
    HWND window_ = nullptr;
    std::function<void(const std::string&)> handOver_;
    std::string lastText_;
    ULONG_PTR lastIdentifier_ = 0;
};

}  // namespace brantlow
