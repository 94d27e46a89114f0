#pragma once
// The Win32 services behind the commands' interfaces: the clipboard, the shell, the
// system's date and time formats, and the common file dialogs.
#include <windows.h>

#include <functional>

#include "brantlow/commands/capture_state.h"
#include "brantlow/commands/command_services.h"
#include "brantlow/core/window_interfaces.h"

namespace brantlow {

class WindowClipboard final : public ClipboardAccess {
public:
    WindowClipboard(std::function<HWND()> owner, CaptureState& capture) : owner_(std::move(owner)), capture_(capture) {}
    std::optional<std::string> ReadText() override;
    // Notes the sequence number of the program's own copy, so its notification is ignored.
    bool WriteText(const std::string& text) override;

private:
    std::function<HWND()> owner_;
    CaptureState& capture_;
};

class SystemShell final : public Shell {
public:
    unsigned long StartProcess(const std::string& commandLine) override;
    long OpenDocument(const std::string& target) override;
};

class SystemClock final : public DateTimeFormatter {
public:
    TDateTime Now() const override;
    std::string ShortDate(TDateTime when) const override;
    std::string LongTime(TDateTime when) const override;
};

class SystemFileDialogs final : public FileDialogs {
public:
    explicit SystemFileDialogs(std::function<HWND()> owner) : owner_(std::move(owner)) {}
    std::optional<std::string> Run(const FileDialogRequest& request) override;

private:
    std::function<HWND()> owner_;
};

}  // namespace brantlow
