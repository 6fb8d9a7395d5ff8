#include "app/directory_edit.h"

#include <shlobj.h>

namespace brenvale {

TDirectoryEdit::TDirectoryEdit(gui::TComponent* owner) : TskSkinEdit(owner)
{
    SetSkinDataName("buttonedit");
    SetButtonMode(true);
    OnButtonClick = [this](gui::TComponent*) { Browse(); };
}

void TDirectoryEdit::Browse()
{
    char path[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = HandleAllocated() ? ::GetAncestor(Handle(), GA_ROOT) : nullptr;
    info.pszDisplayName = path;
    info.lpszTitle = "";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&info);
    if (!chosen)
        return;
    if (::SHGetPathFromIDListA(chosen, path))
        SetText(path);
    ::CoTaskMemFree(chosen);
}

}  // namespace brenvale
