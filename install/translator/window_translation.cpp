#include "install/translator/window_translation.h"

#include <commctrl.h>

#include <cstring>

#include "install/framework/strings.h"

namespace install {

namespace {

constexpr const char* kGLIDProperty = "InstallGLID";

std::string TextOf(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            if (start < text.size()) lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

int PixelsPerInch() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

struct WindowComponent::FontStore {
    std::vector<HFONT> fonts;
    ~FontStore() {
        for (HFONT font : fonts) ::DeleteObject(font);
    }
};

void SetControlGLID(HWND control, int glid) {
    ::SetPropA(control, kGLIDProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(glid)));
}

int ControlGLID(HWND control) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(::GetPropA(control, kGLIDProperty)));
}

WindowComponent::WindowComponent(HWND window) : WindowComponent(window, std::make_shared<FontStore>()) {}

WindowComponent::WindowComponent(HWND window, std::shared_ptr<FontStore> fonts)
    : window_(window), fonts_(std::move(fonts)) {}

WindowComponent::~WindowComponent() = default;

std::string WindowComponent::ClassName() const {
    char name[64] = {};
    ::GetClassNameA(window_, name, sizeof name);
    return name;
}

Translatable::Kind WindowComponent::ComponentKind() const {
    if (!(::GetWindowLongPtrA(window_, GWL_STYLE) & WS_CHILD)) return Kind::Form;
    if (SameText(ClassName(), "Static")) {
        const auto type = ::GetWindowLongPtrA(window_, GWL_STYLE) & SS_TYPEMASK;
        return type == SS_BITMAP || type == SS_ICON || type == SS_ENHMETAFILE ? Kind::Image : Kind::Label;
    }
    return Kind::WindowedControl;
}

bool WindowComponent::HasGLID() const {
    // Labels and buttons (with or without a bitmap) carry text numbers.
    return ::GetPropA(window_, kGLIDProperty) != nullptr &&
           (SameText(ClassName(), "Static") || SameText(ClassName(), "Button"));
}

std::string WindowComponent::Caption() const { return TextOf(window_); }

void WindowComponent::SetCaption(const std::string& text) { ::SetWindowTextA(window_, text.c_str()); }

bool WindowComponent::Visible() const { return (::GetWindowLongPtrA(window_, GWL_STYLE) & WS_VISIBLE) != 0; }

void WindowComponent::SetVisible(bool visible) { ::ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }

void WindowComponent::Realign() { ::InvalidateRect(window_, nullptr, TRUE); }

std::vector<std::pair<std::string, std::string>> WindowComponent::StringProperties() const {
    // A memo's and a list's text are their lines and items, not a caption.
    if (IsMemo()) return {};
    const std::string cls = ClassName();
    if (SameText(cls, "ListBox") || SameText(cls, "ComboBox") || SameText(cls, WC_LISTVIEWA)) return {};
    return {{"Caption", Caption()}};
}

void WindowComponent::SetStringProperty(const std::string& name, const std::string& value) {
    if (SameText(name, "Caption")) SetCaption(value);
}

bool WindowComponent::IsMemo() const {
    return SameText(ClassName(), "Edit") && (::GetWindowLongPtrA(window_, GWL_STYLE) & ES_MULTILINE);
}

std::vector<std::string> WindowComponent::MemoLines() const { return SplitLines(TextOf(window_)); }

void WindowComponent::SetMemoLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    ::SetWindowTextA(window_, text.c_str());
}

std::vector<std::string> WindowComponent::Items() const {
    std::vector<std::string> items;
    const std::string cls = ClassName();
    if (SameText(cls, "ListBox") || SameText(cls, "ComboBox")) {
        const bool list = SameText(cls, "ListBox");
        const auto count = ::SendMessageA(window_, list ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            const auto length = ::SendMessageA(window_, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
            std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
            ::SendMessageA(window_, list ? LB_GETTEXT : CB_GETLBTEXT, static_cast<WPARAM>(i),
                           reinterpret_cast<LPARAM>(text.data()));
            text.resize(std::strlen(text.c_str()));
            items.push_back(text);
        }
    } else if (SameText(cls, WC_LISTVIEWA)) {
        const HWND header = ListView_GetHeader(window_);
        const int columns = header ? Header_GetItemCount(header) : 0;
        for (int i = 0; i < columns; ++i) {
            char text[256] = {};
            LVCOLUMNA column{};
            column.mask = LVCF_TEXT;
            column.pszText = text;
            column.cchTextMax = sizeof text;
            ::SendMessageA(window_, LVM_GETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
            items.push_back(text);
        }
    }
    return items;
}

void WindowComponent::SetItem(std::size_t index, const std::string& text) {
    const std::string cls = ClassName();
    const auto i = static_cast<WPARAM>(index);
    if (SameText(cls, "ListBox")) {
        const auto selected = ::SendMessageA(window_, LB_GETSEL, i, 0);
        const auto data = ::SendMessageA(window_, LB_GETITEMDATA, i, 0);
        ::SendMessageA(window_, LB_DELETESTRING, i, 0);
        ::SendMessageA(window_, LB_INSERTSTRING, i, reinterpret_cast<LPARAM>(text.c_str()));
        ::SendMessageA(window_, LB_SETITEMDATA, i, data);
        if (selected > 0) ::SendMessageA(window_, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
    } else if (SameText(cls, "ComboBox")) {
        const auto selected = ::SendMessageA(window_, CB_GETCURSEL, 0, 0);
        const auto data = ::SendMessageA(window_, CB_GETITEMDATA, i, 0);
        ::SendMessageA(window_, CB_DELETESTRING, i, 0);
        ::SendMessageA(window_, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(text.c_str()));
        ::SendMessageA(window_, CB_SETITEMDATA, i, data);
        if (selected == static_cast<LRESULT>(index)) ::SendMessageA(window_, CB_SETCURSEL, i, 0);
    } else if (SameText(cls, WC_LISTVIEWA)) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = const_cast<char*>(text.c_str());
        ::SendMessageA(window_, LVM_SETCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

const std::vector<std::unique_ptr<WindowComponent>>& WindowComponent::Children() const {
    if (!childrenRead_) {
        childrenRead_ = true;
        for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            children_.push_back(std::unique_ptr<WindowComponent>(new WindowComponent(child, fonts_)));
    }
    return children_;
}

std::vector<Translatable*> WindowComponent::OwnedComponents() const {
    std::vector<Translatable*> owned;
    for (const auto& child : Children()) owned.push_back(child.get());
    return owned;
}

TFontSpec WindowComponent::Font() const {
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(window_, WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA log{};
    ::GetObjectA(font, sizeof log, &log);
    TFontSpec spec;
    spec.Name = log.lfFaceName;
    spec.Height = log.lfHeight;
    const int pixels = log.lfHeight < 0 ? -log.lfHeight : log.lfHeight;
    spec.Size = (pixels * 72 + PixelsPerInch() / 2) / PixelsPerInch();
    spec.Charset = log.lfCharSet;
    return spec;
}

void WindowComponent::SetFont(const TFontSpec& spec) {
    LOGFONTA log{};
    HFONT current = reinterpret_cast<HFONT>(::SendMessageA(window_, WM_GETFONT, 0, 0));
    if (current) ::GetObjectA(current, sizeof log, &log);  // keeps weight and style
    // The size in points is what the language asks for; the height follows the screen.
    log.lfHeight = -((spec.Size * PixelsPerInch() + 36) / 72);
    log.lfCharSet = spec.Charset;
    std::strncpy(log.lfFaceName, spec.Name.c_str(), LF_FACESIZE - 1);
    const HFONT font = ::CreateFontIndirectA(&log);
    if (!font) return;
    fonts_->fonts.push_back(font);
    ::SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::vector<FontTarget*> WindowComponent::ChildControls() const {
    std::vector<FontTarget*> controls;
    for (const auto& child : Children()) controls.push_back(child.get());
    return controls;
}

}  // namespace install
