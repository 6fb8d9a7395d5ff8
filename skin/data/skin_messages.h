// The window messages by which a skin data component tells every form of a skin
// change. wParam is the TskSkinData, lParam 1000.
#pragma once

#include <windows.h>

namespace sk {

constexpr UINT WM_SKINCHANGING = 1225;     // a load begins; the old skin is still there
constexpr UINT WM_SKINCHANGED = 1226;      // a load has ended, first
constexpr UINT WM_SKINAFTERCHANGE = 1227;  // right after WM_SKINCHANGED
constexpr LPARAM kSkinMessageParam = 1000;

}  // namespace sk
