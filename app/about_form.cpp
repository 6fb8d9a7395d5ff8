#include "app/about_form.h"

#include <shellapi.h>

#include "app/form_resources.h"
#include "app/form_skin.h"
#include "gui/controls/application.h"
#include "gui/controls/control_messages.h"
#include "gui/controls/image.h"
#include "gui/controls/shift_state.h"
#include "skinctrls/controls/skin_std_label.h"

namespace brenvale {

const char* const TfrmAbout::kWebAddress = "https://brenvale.example/";
const char* const TfrmAbout::kSupportAddress = "mailto:help@brenvale.example";

namespace {

constexpr gui::TColor kLinkColor = 0xFF0000;   // blue
constexpr gui::TColor kHoverColor = 0x0000FF;  // red

}  // namespace

TfrmAbout::TfrmAbout(gui::TComponent* owner, sk::TskSkinData* skin) : TForm(owner)
{
    BeginLoading();
    SetName("frmAbout");
    SetCaption("About");
    // The skin's frame first: the client size is what lies inside it.
    AttachFormSkin(*this, skin, {/*sizeable=*/true, /*rollUp=*/true, /*menuItemHeight=*/0});
    SetClientWidth(319);
    SetClientHeight(168);
    CenterOnScreen(*this);

    Image1 = new gui::TImage(this);
    Image1->SetName("Image1");
    Image1->SetBounds(16, 16, 32, 32);
    Image1->SetIconHandle(gui::Application().Icon());
    Image1->SetParent(this);

    auto label = [this, skin](const char* name, int left, int top, const char* caption) {
        auto* l = new sk::TskSkinStdLabel(this);
        l->SetName(name);
        l->SetSkinData(skin);
        l->SetSkinDataName("stdlabel");
        l->SetCaption(caption);
        l->SetLeft(left);
        l->SetTop(top);
        l->SetParent(this);
        return l;
    };
    lblProductNameVer = label("lblProductNameVer", 64, 16, "");
    Label1 = label("Label1", 64, 32, "Web Site:");
    Label2 = label("Label2", 64, 48, "Tech Support:");
    Copyright = label("Copyright", 16, 72, "Copyright (C) 2026 The Brenvale developers");
    Copyright->SetAutoSize(false);
    Copyright->SetWidth(284);
    Comments = label("Comments", 16, 96,
                     "Warning: this program is protected by copyright law. Copying or "
                     "distributing it without permission is prohibited.");
    Comments->SetAutoSize(false);
    Comments->SetWordWrap(true);
    Comments->SetBounds(16, 96, 280, 52);

    auto link = [this](const char* name, int top, const char* caption) {
        auto* l = new TLinkLabel(this);
        l->SetName(name);
        gui::TFont font;
        font.SetName("Arial");
        font.SetHeight(-11);
        font.SetStyle({gui::fsBold});
        font.SetColor(kLinkColor);
        l->SetFont(font);
        l->SetCursor(gui::crHandPoint);
        l->SetCaption(caption);
        l->SetLeft(152);
        l->SetTop(top);
        l->OnMouseEnter = [this](gui::TComponent* sender) { Label3MouseEnter(sender); };
        l->OnMouseLeave = [this](gui::TComponent* sender) { Label3MouseLeave(sender); };
        l->SetParent(this);
        return l;
    };
    Label3 = link("Label3", 32, "brenvale.example");
    Label3->OnClick = [this](gui::TComponent* sender) { Label3Click(sender); };
    Label4 = link("Label4", 48, "help@brenvale.example");
    Label4->OnClick = [this](gui::TComponent* sender) { Label4Click(sender); };
    EndLoading();
}

TLinkLabel::TLinkLabel(gui::TComponent* owner) : gui::TCustomLabel(owner) { SetTransparent(true); }

void TLinkLabel::WndProc(gui::TMessage& message)
{
    gui::TCustomLabel::WndProc(message);
    if (message.Msg == gui::CM_MOUSEENTER && OnMouseEnter)
        OnMouseEnter(this);
    else if (message.Msg == gui::CM_MOUSELEAVE && OnMouseLeave)
        OnMouseLeave(this);
}

void TfrmAbout::WndProc(gui::TMessage& message)
{
    // The box has no button to press: Esc closes it as a Cancel button would.
    if (message.Msg == gui::CM_DIALOGKEY && message.WParam == VK_ESCAPE &&
        !gui::KeyboardShiftState().Contains(gui::ssCtrl) && !gui::KeyboardShiftState().Contains(gui::ssAlt)) {
        SetModalResult(gui::mrCancel);
        message.Result = 1;
        return;
    }
    TForm::WndProc(message);
    if (message.Msg == WM_SHOWWINDOW && message.WParam)
        FormShow();
}

void TfrmAbout::FormShow() { lblProductNameVer->SetCaption("Brenvale v1.0"); }

void TfrmAbout::OpenAddress(const std::string& address)
{
    ::ShellExecuteA(Handle(), "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TfrmAbout::Label3Click(gui::TComponent*) { OpenAddress(kWebAddress); }

void TfrmAbout::Label4Click(gui::TComponent*) { OpenAddress(kSupportAddress); }

void TfrmAbout::Label3MouseEnter(gui::TComponent* sender)
{
    static_cast<TLinkLabel*>(sender)->Font().SetColor(kHoverColor);
}

void TfrmAbout::Label3MouseLeave(gui::TComponent* sender)
{
    static_cast<TLinkLabel*>(sender)->Font().SetColor(kLinkColor);
}

}  // namespace brenvale
