#include "brantlow/app/icons.h"

#include "ui/handles.h"

namespace brantlow {
namespace {

// Draws with `paint` on a white-keyed bitmap and makes an icon of it.
template <typename Paint>
HICON DrawIcon(int size, Paint paint) {
    ui::WindowDc screen(nullptr);
    ui::MemoryDc dc(::CreateCompatibleDC(screen.get()));
    ui::GdiObject color(::CreateCompatibleBitmap(screen.get(), size, size));
    ui::GdiObject mask(::CreateBitmap(size, size, 1, 1, nullptr));
    {
        ui::SelectedObject selected(dc.get(), color.get());
        RECT all{0, 0, size, size};
        ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        paint(dc.get(), size);
    }
    {
        // The mask is opaque where anything was painted.
        ui::MemoryDc maskDc(::CreateCompatibleDC(screen.get()));
        ui::MemoryDc colorDc(::CreateCompatibleDC(screen.get()));
        ui::SelectedObject selectedMask(maskDc.get(), mask.get());
        ui::SelectedObject selectedColor(colorDc.get(), color.get());
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ::SetPixel(maskDc.get(), x, y, ::GetPixel(colorDc.get(), x, y) == RGB(0, 0, 0) ? RGB(255, 255, 255)
                                                                                                 : RGB(0, 0, 0));
    }
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = static_cast<HBITMAP>(mask.get());
    info.hbmColor = static_cast<HBITMAP>(color.get());
    return ::CreateIconIndirect(&info);
}

void FillShape(HDC dc, COLORREF fill, COLORREF edge, const POINT* points, int count) {
    ui::GdiObject brush(::CreateSolidBrush(fill));
    ui::GdiObject pen(::CreatePen(PS_SOLID, 1, edge));
    ui::SelectedObject selectedBrush(dc, brush.get());
    ui::SelectedObject selectedPen(dc, pen.get());
    ::Polygon(dc, points, count);
}

}  // namespace

HICON MakeProgramIcon(int size, bool monitoring) {
    return DrawIcon(size, [monitoring](HDC dc, int s) {
        const int l = s / 5, r = s - s / 5 - 1, b = s - 1;
        const POINT ribbon[] = {{l, 0}, {r, 0}, {r, b}, {(l + r) / 2, b - s / 4}, {l, b}};
        FillShape(dc, monitoring ? RGB(200, 40, 40) : RGB(30, 90, 200), RGB(10, 10, 60), ribbon, 5);
        if (monitoring) {
            ui::GdiObject white(::CreateSolidBrush(RGB(255, 255, 255)));
            ui::SelectedObject selected(dc, white.get());
            ::Ellipse(dc, l + 2, s / 5, r - 1, s / 5 + (r - l) - 2);
        }
    });
}

HIMAGELIST MakeSchemeImages(int size) {
    static const COLORREF kColors[] = {
        RGB(128, 128, 128),  // unknown
        RGB(120, 90, 40),    // file
        RGB(0, 140, 70),     // ftp
        RGB(150, 110, 0),    // gopher
        RGB(30, 90, 200),    // http
        RGB(0, 130, 160),    // https
        RGB(190, 60, 140),   // mailto
        RGB(200, 100, 0),    // news
        RGB(160, 80, 20),    // nntp
        RGB(60, 60, 60),     // telnet
        RGB(100, 60, 170),   // wais
    };
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, 11, 0);
    for (const COLORREF color : kColors) {
        HICON icon = DrawIcon(size, [color](HDC dc, int s) {
            const POINT page[] = {{1, 1}, {s - 5, 1}, {s - 2, 4}, {s - 2, s - 2}, {1, s - 2}};
            FillShape(dc, RGB(250, 250, 250), color, page, 5);
            ui::GdiObject band(::CreateSolidBrush(color));
            RECT stripe{3, s / 2 - 2, s - 3, s / 2 + 2};
            ::FillRect(dc, &stripe, static_cast<HBRUSH>(band.get()));
        });
        ImageList_AddIcon(list, icon);
        ::DestroyIcon(icon);
    }
    return list;
}

}  // namespace brantlow
