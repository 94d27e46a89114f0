#include "brantlow/app/win32_services.h"

#include <shellapi.h>

#include <cmath>
#include <vector>

#include "platform/clipboard.h"
#include "ui/file_dialog.h"

namespace brantlow {
namespace {

SYSTEMTIME ToSystemTime(TDateTime when) {
    // Days since 30 December 1899 to the system's 100-ns intervals since 1 January 1601.
    constexpr double kDaysFrom1601To1899 = 109205.0;
    if (!std::isfinite(when) || when < -kDaysFrom1601To1899 || when > 2958465.0) when = 0;
    const double intervals = (when + kDaysFrom1601To1899) * 864000000000.0;
    ULARGE_INTEGER value{};
    value.QuadPart = static_cast<ULONGLONG>(intervals);
    FILETIME file{value.LowPart, value.HighPart};
    SYSTEMTIME time{};
    ::FileTimeToSystemTime(&file, &time);
    return time;
}

}  // namespace

std::optional<std::string> WindowClipboard::ReadText() { return platform::ReadClipboardText(owner_()); }

bool WindowClipboard::WriteText(const std::string& text) {
    const bool written = platform::WriteClipboardText(owner_(), text);
    if (written) capture_.NoteOwnCopy(::GetClipboardSequenceNumber());
    return written;
}

unsigned long SystemShell::StartProcess(const std::string& commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return ::GetLastError();
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return 0;
}

long SystemShell::OpenDocument(const std::string& target) {
    const HINSTANCE result = ::ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}

TDateTime SystemClock::Now() const {
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    FILETIME file{};
    ::SystemTimeToFileTime(&local, &file);
    ULARGE_INTEGER value{};
    value.LowPart = file.dwLowDateTime;
    value.HighPart = file.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 864000000000.0 - 109205.0;
}

std::string SystemClock::ShortDate(TDateTime when) const {
    const SYSTEMTIME time = ToSystemTime(when);
    char text[80] = {};
    const int length = ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text);
    return length > 0 ? std::string(text) : std::string();
}

std::string SystemClock::LongTime(TDateTime when) const {
    const SYSTEMTIME time = ToSystemTime(when);
    char text[80] = {};
    const int length = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof text);
    return length > 0 ? std::string(text) : std::string();
}

std::optional<std::string> SystemFileDialogs::Run(const FileDialogRequest& request) {
    ui::FileDialogOptions options;
    options.title = request.Title;
    options.filter = request.Filter;
    options.initialFolder = request.InitialFolder;
    options.defaultExtension = "btw";
    if (request.Save) {
        options.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
        return ui::ShowSaveDialog(owner_(), options);
    }
    options.flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    return ui::ShowOpenDialog(owner_(), options);
}

}  // namespace brantlow
