#include "brantlow/app/window_storage.h"

#include <sstream>

#include "platform/registry.h"

namespace brantlow {
namespace {

std::string JoinNumbers(const std::vector<int>& numbers) {
    std::string text;
    for (std::size_t i = 0; i < numbers.size(); ++i) text += (i ? "," : "") + std::to_string(numbers[i]);
    return text;
}

std::vector<int> SplitNumbers(const std::string& text) {
    std::vector<int> numbers;
    std::stringstream stream(text);
    std::string item;
    while (std::getline(stream, item, ',')) {
        try {
            numbers.push_back(std::stoi(item));
        } catch (const std::exception&) {
            return {};
        }
    }
    return numbers;
}

}  // namespace

std::string WindowStorage::FormPosKey(const std::string& section) const {
    return programKey_ + "\\FormPos" + (section.empty() ? "" : "\\" + section);
}

void WindowStorage::SaveWindowPlacement(HWND window, const std::string& section) const {
    if (!enabled_) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!::GetWindowPlacement(window, &placement)) return;
    const auto key = platform::RegistryKey::Create(HKEY_CURRENT_USER, FormPosKey(section));
    if (!key) return;
    const RECT& r = placement.rcNormalPosition;
    (void)key.WriteString("Position", JoinNumbers({static_cast<int>(r.left), static_cast<int>(r.top),
                                                   static_cast<int>(r.right), static_cast<int>(r.bottom)}));
    (void)key.WriteDword("Maximized", placement.showCmd == SW_SHOWMAXIMIZED ? 1 : 0);
}

bool WindowStorage::RestoreWindowPlacement(HWND window, const std::string& section) const {
    const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, FormPosKey(section));
    if (!key) return false;
    const std::vector<int> r = SplitNumbers(key.ReadString("Position").value_or(""));
    if (r.size() != 4 || r[2] - r[0] < 100 || r[3] - r[1] < 80) return false;
    // A position on a screen that is no longer there is not restored.
    const RECT rect{r[0], r[1], r[2], r[3]};
    if (!::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL)) return false;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ::GetWindowPlacement(window, &placement);
    placement.rcNormalPosition = rect;
    placement.showCmd = key.ReadDword("Maximized").value_or(0) ? SW_SHOWMAXIMIZED : SW_HIDE;
    placement.flags = 0;
    return ::SetWindowPlacement(window, &placement) != FALSE;
}

void WindowStorage::SaveProperty(const std::string& section, const std::string& name, int value) const {
    if (!enabled_) return;
    if (const auto key = platform::RegistryKey::Create(HKEY_CURRENT_USER, FormPosKey(section)))
        (void)key.WriteDword(name, static_cast<DWORD>(value));
}

std::optional<int> WindowStorage::ReadProperty(const std::string& section, const std::string& name) const {
    const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, FormPosKey(section));
    if (!key) return std::nullopt;
    const auto value = key.ReadDword(name);
    if (!value) return std::nullopt;
    return static_cast<int>(*value);
}

void WindowStorage::SaveDialogPosition(HWND dialog, const std::string& section) const {
    if (!enabled_) return;
    RECT r{};
    if (!::GetWindowRect(dialog, &r)) return;
    if (const auto key = platform::RegistryKey::Create(HKEY_CURRENT_USER, FormPosKey(section)))
        (void)key.WriteString("Position", JoinNumbers({static_cast<int>(r.left), static_cast<int>(r.top)}));
}

void WindowStorage::RestoreDialogPosition(HWND dialog, const std::string& section) const {
    const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, FormPosKey(section));
    if (!key) return;
    const std::vector<int> p = SplitNumbers(key.ReadString("Position").value_or(""));
    if (p.size() != 2) return;
    const POINT corner{p[0], p[1]};
    if (!::MonitorFromPoint(corner, MONITOR_DEFAULTTONULL)) return;
    ::SetWindowPos(dialog, nullptr, p[0], p[1], 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowStorage::SaveColumns(const ColumnLayout& layout) const {
    if (!enabled_) return;
    if (const auto key = platform::RegistryKey::Create(HKEY_CURRENT_USER, FormPosKey("ListView"))) {
        (void)key.WriteString("Widths", JoinNumbers(layout.widths));
        (void)key.WriteString("Order", JoinNumbers(layout.order));
    }
}

std::optional<ColumnLayout> WindowStorage::ReadColumns() const {
    const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, FormPosKey("ListView"));
    if (!key) return std::nullopt;
    ColumnLayout layout{SplitNumbers(key.ReadString("Widths").value_or("")),
                        SplitNumbers(key.ReadString("Order").value_or(""))};
    return layout;
}

void WindowStorage::SaveRecentFiles(const std::vector<std::string>& names) const {
    const std::string path = programKey_ + "\\MRU Items";
    platform::DeleteRegistryTree(HKEY_CURRENT_USER, path);
    const auto key = platform::RegistryKey::Create(HKEY_CURRENT_USER, path);
    if (!key) return;
    for (std::size_t i = 0; i < names.size(); ++i) (void)key.WriteString(std::to_string(i), names[i]);
}

std::vector<std::string> WindowStorage::ReadRecentFiles() const {
    std::vector<std::string> names;
    const auto key = platform::RegistryKey::Open(HKEY_CURRENT_USER, programKey_ + "\\MRU Items");
    if (!key) return names;
    for (int i = 0; i < 9; ++i) {
        const auto name = key.ReadString(std::to_string(i));
        if (!name || name->empty()) break;
        names.push_back(*name);
    }
    return names;
}

}  // namespace brantlow
