// Owning wrappers for GDI objects and device contexts, on the pattern of
// unique_handle.h, plus guards that undo a selection or give back a borrowed
// window DC when they go out of scope.
#pragma once

#include <windows.h>

#include <utility>

#include "win/unique_handle.h"

namespace win {

template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::DeleteObject(h); }
};

struct MemoryDCTraits {  // CreateCompatibleDC / CreateDC results
    using Type = HDC;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::DeleteDC(h); }
};

using UniqueBitmap = UniqueResource<GdiObjectTraits<HBITMAP>>;
using UniqueRegion = UniqueResource<GdiObjectTraits<HRGN>>;
using UniqueFont = UniqueResource<GdiObjectTraits<HFONT>>;
using UniquePen = UniqueResource<GdiObjectTraits<HPEN>>;
using UniqueBrush = UniqueResource<GdiObjectTraits<HBRUSH>>;
using UniqueDC = UniqueResource<MemoryDCTraits>;

// A window's DC (or the screen's, for a null window), released on scope exit.
class WindowDC {
public:
    explicit WindowDC(HWND window = nullptr) : window_(window), dc_(::GetDC(window)) {}
    ~WindowDC()
    {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC and selects the previous one back on scope exit.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectedObject()
    {
        if (old_)
            ::SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace win
