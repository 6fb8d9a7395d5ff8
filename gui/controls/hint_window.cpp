#include "gui/controls/hint_window.h"

#include <vector>

#include "gui/controls/control_messages.h"
#include "win/gdi_handles.h"

namespace gui {

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner)
{
    SetVisible(false);
    SetColor(clInfoBk);
    Canvas().Font().SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.WinClassName = "THintWindow";
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.WndParent = nullptr;
    params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::string& hint)
{
    TRect r = Rect(0, 0, maxWidth, 0);
    Canvas().Font().Assign(Font());
    Canvas().DrawText(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    // Two pixels of margin around the text and the border.
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(TRect rect, const std::string& hint)
{
    SetCaption(hint);
    SetBoundsRect(rect);
    ::SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetVisible(true);
    Invalidate();
}

void THintWindow::ReleaseHandle()
{
    SetVisible(false);
}

void THintWindow::Paint()
{
    TRect r = ClientRect();
    r.Left += 2;
    r.Top += 1;
    Canvas().Font().Assign(Font());
    Canvas().Font().SetColor(clInfoText);
    Canvas().Brush().SetStyle(bsClear);
    Canvas().DrawText(Caption(), r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCHITTEST:
        // The mouse goes through the hint to what lies below it.
        message.Result = HTTRANSPARENT;
        break;
    case WM_MOUSEACTIVATE:
        message.Result = MA_NOACTIVATE;
        break;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(message);
        break;
    default:
        TCustomControl::WndProc(message);
    }
}

void THintWindow::CMVisibleChanged(TMessage&)
{
    if (HandleAllocated())
        ::ShowWindow(Handle(), Visible() ? SW_SHOWNOACTIVATE : SW_HIDE);
}

}  // namespace gui

namespace gui {

namespace {

// The last row (from the top) of a monochrome cursor's mask that shows anything:
// its AND half has a 0 bit or its XOR half a 1 bit there. -1 when none does.
int LastCoveredRow(HBITMAP mask)
{
    BITMAP bm{};
    if (!::GetObjectA(mask, sizeof(bm), &bm) || bm.bmWidth <= 0 || bm.bmHeight < 2)
        return -1;
    const int width = bm.bmWidth, height = bm.bmHeight / 2;
    const int stride = ((width + 31) / 32) * 4;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -bm.bmHeight;  // top-down
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    std::vector<BYTE> bits(size_t(stride) * size_t(bm.bmHeight));
    win::WindowDC screen;
    if (!::GetDIBits(screen.Get(), mask, 0, UINT(bm.bmHeight), bits.data(),
                     reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
        return -1;
    for (int y = height - 1; y >= 0; --y) {
        const BYTE* andRow = bits.data() + size_t(y) * size_t(stride);
        const BYTE* xorRow = bits.data() + size_t(y + height) * size_t(stride);
        for (int x = 0; x < width; ++x) {
            const BYTE bit = BYTE(0x80 >> (x % 8));
            if (!(andRow[x / 8] & bit) || (xorRow[x / 8] & bit))
                return y;
        }
    }
    return -1;
}

}  // namespace

int CursorHeightMargin()
{
    const int fallback = ::GetSystemMetrics(SM_CYCURSOR);
    ICONINFO info{};
    const HCURSOR cursor = ::GetCursor();
    if (!cursor || !::GetIconInfo(cursor, &info))
        return fallback;
    win::UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
    if (colour || !mask)
        return fallback;
    const int last = LastCoveredRow(mask.Get());
    return last < 0 ? fallback : last + 1 - int(info.yHotspot);
}

}  // namespace gui
