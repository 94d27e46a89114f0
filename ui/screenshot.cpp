#include "ui/screenshot.h"

#include "ui/handles.h"

namespace ui {
namespace {

common::RgbImage CaptureScreenRect(const RECT& rect) {
    common::RgbImage image;
    image.width = rect.right - rect.left;
    image.height = rect.bottom - rect.top;
    if (image.width <= 0 || image.height <= 0) return {};

    WindowDc screen(nullptr);
    MemoryDc memory(::CreateCompatibleDC(screen.get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject bitmap(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || !bits) return {};
    {
        SelectedObject selected(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), rect.left, rect.top, SRCCOPY);
    }
    ::GdiFlush();

    const auto* bgrx = static_cast<const std::uint8_t*>(bits);
    const std::size_t count = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    image.pixels.resize(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        image.pixels[i * 3 + 0] = bgrx[i * 4 + 2];
        image.pixels[i * 3 + 1] = bgrx[i * 4 + 1];
        image.pixels[i * 3 + 2] = bgrx[i * 4 + 0];
    }
    return image;
}

}  // namespace

common::RgbImage CaptureWindow(HWND window) {
    RECT rect{};
    if (!::GetWindowRect(window, &rect)) return {};
    RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    RECT visible{};
    if (!::IntersectRect(&visible, &rect, &screen)) return {};
    return CaptureScreenRect(visible);
}

common::RgbImage CaptureScreen() {
    return CaptureScreenRect({0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
}

}  // namespace ui
