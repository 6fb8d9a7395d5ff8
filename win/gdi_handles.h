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
    static void Close(Type handle) { ::DeleteObject(handle); }
};

struct MemoryDCTraits {  // CreateCompatibleDC / CreateDC results
    using Type = HDC;
    static Type Invalid() { return nullptr; }
    static void Close(Type handle) { ::DeleteDC(handle); }
};

using UniqueBitmap = UniqueResource<GdiObjectTraits<HBITMAP>>;
using UniqueRegion = UniqueResource<GdiObjectTraits<HRGN>>;
using UniqueFont = UniqueResource<GdiObjectTraits<HFONT>>;
using UniquePen = UniqueResource<GdiObjectTraits<HPEN>>;
using UniqueBrush = UniqueResource<GdiObjectTraits<HBRUSH>>;
using UniqueDC = UniqueResource<MemoryDCTraits>;

// A DC borrowed from a window, given back on scope exit: of its client area
// (WindowDC; the screen's, for a null window) or of the whole window, its frame
// included (WindowFrameDC).
template <bool WholeWindow>
class BorrowedWindowDC {
public:
    explicit BorrowedWindowDC(HWND window = nullptr)
        : window_(window), dc_(WholeWindow ? ::GetWindowDC(window) : ::GetDC(window))
    {
    }
    ~BorrowedWindowDC()
    {
        if (dc_)
            ::ReleaseDC(window_, dc_);
    }
    BorrowedWindowDC(const BorrowedWindowDC&) = delete;
    BorrowedWindowDC& operator=(const BorrowedWindowDC&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

using WindowDC = BorrowedWindowDC<false>;
using WindowFrameDC = BorrowedWindowDC<true>;

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
