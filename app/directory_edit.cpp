#include "app/directory_edit.h"

#include <shlobj.h>

#include "gui/exceptions.h"
#include "skinctrls/skin_button.h"

namespace brenvale {

class TDirectoryEdit::Edit : public gui::TWinControl {
public:
    explicit Edit(gui::TComponent* owner) : TWinControl(owner)
    {
        SetTabStop(true);
        SetColor(gui::clWindow);
    }

protected:
    void CreateParams(gui::TCreateParams& params) override
    {
        TWinControl::CreateParams(params);
        WNDCLASSA native{};
        if (!::GetClassInfoA(nullptr, "EDIT", &native))
            throw gui::EOutOfResources("Error creating window class");
        params.WindowClass.lpfnWndProc = native.lpfnWndProc;
        params.WindowClass.cbClsExtra = native.cbClsExtra;
        params.WindowClass.cbWndExtra = native.cbWndExtra;
        params.WindowClass.hCursor = ::LoadCursorA(nullptr, IDC_IBEAM);
        params.WinClassName = "TDirectoryEditBox";
        params.Style |= ES_AUTOHSCROLL;
        params.ExStyle |= WS_EX_CLIENTEDGE;
    }
    void WndProc(gui::TMessage& message) override
    {
        if (message.Msg == WM_PAINT || message.Msg == WM_ERASEBKGND)
            DefaultHandler(message);
        else
            TWinControl::WndProc(message);
    }
};

TDirectoryEdit::TDirectoryEdit(gui::TComponent* owner, sk::TskSkinData* skin) : TWinControl(owner)
{
    SetControlStyle({gui::csAcceptsControls, gui::csCaptureMouse, gui::csClickEvents});
    SetBounds(0, 0, 121, 25);
    edit_ = new Edit(this);
    edit_->SetAlign(gui::alClient);
    edit_->SetParent(this);
    button_ = new sk::TskSkinButton(this);
    button_->SetSkinDataName("button");
    button_->SetSkinData(skin);
    button_->SetCaption("...");
    button_->SetCanFocused(false);
    button_->SetWidth(25);
    button_->SetAlign(gui::alRight);
    button_->OnClick = [this](gui::TComponent*) { Browse(); };
    button_->SetParent(this);
}

std::string TDirectoryEdit::Text() { return edit_->Text(); }

void TDirectoryEdit::SetEditText(const std::string& value) { edit_->SetText(value); }

HWND TDirectoryEdit::EditHandle() { return edit_->Handle(); }

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
        SetEditText(path);
    ::CoTaskMemFree(chosen);
}

}  // namespace brenvale
