#include "gui/native/native_class.h"

#include <commctrl.h>

#include "gui/core/exceptions.h"

namespace gui {

namespace {

void RegisterCommonControls()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_ANIMATE_CLASS |
                                                    ICC_BAR_CLASSES | ICC_COOL_CLASSES};
        return ::InitCommonControlsEx(&init) != FALSE;
    }();
    (void)registered;
}

}  // namespace

void CreateSubClass(TCreateParams& params, const char* nativeClassName)
{
    RegisterCommonControls();
    WNDCLASSA native{};
    if (!::GetClassInfoA(nullptr, nativeClassName, &native))
        throw EOutOfResources(std::string("Window class ") + nativeClassName + " not found");
    // The program's own class: registered for this module and private to it.
    const HINSTANCE instance = params.WindowClass.hInstance;
    params.WindowClass = native;
    params.WindowClass.style &= ~UINT(CS_GLOBALCLASS);
    params.WindowClass.hInstance = instance;
    params.WindowClass.lpszClassName = nullptr;
    params.WindowClass.lpszMenuName = nullptr;
}

}  // namespace gui
