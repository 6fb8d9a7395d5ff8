#include "extract/messages.h"

#include <oleauto.h>

namespace velmora {

void PostErrorText(HWND window, const wchar_t* text)
{
    BSTR owned = ::SysAllocString(text);
    if (!owned)
        return;
    if (!window || !::PostMessageW(window, WM_RIPPER_EXTRACTIONERROR, reinterpret_cast<WPARAM>(owned), 0))
        ::SysFreeString(owned);
}

}  // namespace velmora
