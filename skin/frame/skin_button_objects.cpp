#include "skin/frame/skin_button_objects.h"

#include "gui/controls/menu_item.h"
#include "skin/imaging/default_look.h"
#include "skin/imaging/glyphs.h"
#include "skin/model/geometry.h"
#include "skin/popups/skin_main_menu.h"
#include "skin/popups/skin_menu.h"
#include "skin/popups/skin_popup_menu.h"

namespace sk {

namespace {

// The default look of a frame button under the mouse, and pressed.
constexpr gui::TColor kHotFill = 13811126;     // RGB(182, 189, 210)
constexpr gui::TColor kPressedFill = 11899781;  // RGB(133, 147, 181)

}  // namespace

void OpenObjectPopup(TskSkinObjectHost& Host, const gui::TRect& ObjectRect, gui::TMenuItem* Item, bool PopupUp)
{
    if (!Item || Item->Count() == 0)
        return;
    const gui::TPoint origin = Host.FrameScreenOrigin();
    const gui::TRect rect = gui::Rect(ObjectRect.Left + origin.X, ObjectRect.Top + origin.Y,
                                      ObjectRect.Right + origin.X, ObjectRect.Bottom + origin.Y);
    if (auto* menu = dynamic_cast<TskSkinPopupMenu*>(Item->GetParentMenu())) {
        menu->PopupFromRect(rect, PopupUp);
        return;
    }
    Host.SkinMenuOpen();
    // A skinned main menu may carry a skin of its own for its popups.
    auto* mainMenu = dynamic_cast<TskSkinMainMenu*>(Item->GetParentMenu());
    TskSkinData* skin = mainMenu && mainMenu->SkinData() ? mainMenu->SkinData()
                        : Host.MenusSkinData()            ? Host.MenusSkinData()
                                                          : Host.SkinData();
    Host.SkinMenu().Popup(nullptr, skin, 0, rect, Item, PopupUp);
}

// ---- push button ----

TskSkinButtonObject::TskSkinButtonObject(TskSkinObjectHost* AParent, TskDataSkinButton* AData)
    : TskActiveSkinObject(AParent, AData)
{
    if (!AData)
        return;
    DownRect = AData->DownRect;
    DisableSkinRect = AData->DisableSkinRect;
    GroupIndex = AData->GroupIndex;
}

void TskSkinButtonObject::Draw(gui::TCanvas& Canvas, bool Repaint)
{
    if (!Enabled && !IsNullRect(DisableSkinRect))
        CopyToObject(Canvas, ActivePicture, DisableSkinRect);
    else if (Down && !IsNullRect(DownRect) && (GroupIndex != -1 || MouseIn))
        CopyToObject(Canvas, ActivePicture, DownRect);
    else
        TskActiveSkinObject::Draw(Canvas, Repaint);
}

void TskSkinButtonObject::SetDown(bool value)
{
    Down = value;
    if (!value) {
        if (IsNullRect(DownRect))
            return;
        if (GroupIndex != -1 || PopupItem)
            Active = false;
        if (Morphing)
            Parent->RedrawObject(*this);
        StartMorph();
        return;
    }
    if (!IsNullRect(DownRect)) {
        if (Morphing)
            MorphFactor = 1;
        Parent->RedrawObject(*this);
    }
    if (GroupIndex == -1)
        return;
    for (int i = 0; i < Parent->ObjectCount(); ++i) {
        auto* other = dynamic_cast<TskSkinButtonObject*>(Parent->Objects(i));
        if (other && other != this && other->IDName != IDName && other->GroupIndex == GroupIndex && other->Down) {
            other->SetDown(false);
            break;
        }
    }
}

void TskSkinButtonObject::OpenPopup() { OpenObjectPopup(*Parent, ObjectRect, PopupItem, PopupUp); }

void TskSkinButtonObject::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    if (!Enabled)
        return;
    if (Button == gui::mbLeft && !Down) {
        SetDown(true);
        OpenPopup();
    }
    TskActiveSkinObject::MouseDown(X, Y, Button);
}

void TskSkinButtonObject::MouseUp(int X, int Y, gui::TMouseButton Button)
{
    if (!Enabled)
        return;
    // Grouped buttons stay down until another of the group goes down; a button
    // with a popup until its menu closes.
    if (Button == gui::mbLeft && !PopupItem && Down && GroupIndex == -1)
        SetDown(false);
    TskActiveSkinObject::MouseUp(X, Y, Button);
}

void TskSkinButtonObject::MouseEnter()
{
    MouseIn = true;
    Active = true;
    if (!IsNullRect(DownRect) && Down) {
        if (GroupIndex == -1)
            Parent->RedrawObject(*this);
    } else if (!IsNullRect(ActiveSkinRect)) {
        StartMorph();
    }
    Parent->MouseEnterEvent(IDName);
}

void TskSkinButtonObject::MouseLeave()
{
    MouseIn = false;
    if (!Down || IsNullRect(DownRect) || (!PopupItem && GroupIndex == -1)) {
        Active = false;
        if (Morphing && Down)
            MorphFactor = 1;
        if (!IsNullRect(ActiveSkinRect) || (!IsNullRect(DownRect) && GroupIndex == -1))
            StartMorph();
    }
    Parent->MouseLeaveEvent(IDName);
}

// ---- standard caption button ----

TskSkinStdButtonObject::TskSkinStdButtonObject(TskSkinObjectHost* AParent, TskDataSkinStdButton* AData)
    : TskSkinButtonObject(AParent, AData), HasSkin(AData != nullptr)
{
    if (!AData)
        return;
    Command = AData->Command;
    RestoreRect = AData->RestoreRect;
    RestoreActiveRect = AData->RestoreActiveRect;
    RestoreDownRect = AData->RestoreDownRect;
}

bool TskSkinStdButtonObject::RestoringState() const
{
    switch (Command) {
    case cmMaximize:
        return Parent->WindowState() == 2;
    case cmMinimize:
        return Parent->WindowState() == 1;
    case cmRollUp:
        return Parent->RolledUp();
    default:
        return false;
    }
}

bool TskSkinStdButtonObject::ShowsIcon() const
{
    return Command == cmSysMenu && Parent->ShowIcon() && SkinRectInAPicture;
}

void TskSkinStdButtonObject::Draw(gui::TCanvas& Canvas, bool Repaint)
{
    if (!HasSkin) {
        DrawDefault(Canvas);
        return;
    }
    if (Enabled && ShowsIcon()) {
        Parent->DrawFormIcon(Canvas, ObjectRect.Left, ObjectRect.Top);
        MorphFactor = 0;
        return;
    }
    if (Enabled && !IsNullRect(RestoreRect) && RestoringState()) {
        if (Down && !IsNullRect(RestoreDownRect) && MouseIn) {
            CopyToObject(Canvas, ActivePicture, RestoreDownRect);
        } else if (LookChanging()) {
            const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
            if (w < 1 || h < 1)
                return;
            gui::TBitmap normal, highlighted;
            CopyScaled(normal, w, h, ActivePicture, RestoreRect);
            CopyScaled(highlighted, w, h, ActivePicture, RestoreActiveRect);
            DrawMorph(Canvas, normal, highlighted);
        } else {
            CopyToObject(Canvas, ActivePicture,
                         Active && !IsNullRect(RestoreActiveRect) ? RestoreActiveRect : RestoreRect);
        }
        return;
    }
    TskSkinButtonObject::Draw(Canvas, Repaint);
}

void TskSkinStdButtonObject::DrawDefault(gui::TCanvas& Canvas)
{
    if (Command == cmSysMenu && Parent->ShowIcon()) {
        Parent->DrawFormIcon(Canvas, ObjectRect.Left, ObjectRect.Top);
        return;
    }
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w < 1 || h < 1)
        return;
    gui::TBitmap image;
    image.SetSize(w, h);
    gui::TCanvas& c = image.Canvas();
    gui::TRect r = gui::Rect(0, 0, w, h);
    c.Brush().SetStyle(gui::bsSolid);
    if (MouseIn) {
        Frame3D(c, r, gui::clNavy, gui::clNavy);
        c.Brush().SetColor(Down ? kPressedFill : kHotFill);
    } else {
        c.Brush().SetColor(gui::clBtnFace);
    }
    c.FillRect(r);
    int x, y;
    if (Down) {
        x = w / 2 - 4 - (MouseIn ? 0 : 1);
        y = h / 2 - 3 - (MouseIn ? 0 : 1);
    } else {
        x = w / 2 - 5;
        y = h / 2 - 4;
    }
    const gui::TColor color = Enabled ? gui::clBtnText : gui::clBtnShadow;
    switch (Command) {
    case cmClose:
        DrawCloseGlyph(c, x, y, color);
        break;
    case cmMaximize:
        if (Parent->WindowState() == 2)
            DrawRestoreGlyph(c, x, y, color);
        else
            DrawMaximizeGlyph(c, x, y, color);
        break;
    case cmMinimize:
        if (Parent->WindowState() == 1)
            DrawRestoreGlyph(c, x, y, color);
        else
            DrawMinimizeGlyph(c, x, y, color);
        break;
    case cmSysMenu:
        DrawSysMenuGlyph(c, x, y, color);
        break;
    case cmRollUp:
        if (Parent->RolledUp())
            DrawRollDownGlyph(c, x, y, color);
        else
            DrawRollUpGlyph(c, x, y, color);
        break;
    case cmDefault:
        break;
    }
    Canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
}

bool TskSkinStdButtonObject::MorphInProgress()
{
    if (ShowsIcon())
        return false;
    return TskSkinButtonObject::MorphInProgress();
}

void TskSkinStdButtonObject::MouseDown(int, int, gui::TMouseButton Button)
{
    if (Button != gui::mbLeft || !Enabled || Down)
        return;
    SetDown(true);
    if (Command == cmSysMenu) {
        PopupItem = Parent->GetSystemMenuItems();
        OpenPopup();
    }
}

bool RunFormCommand(TskSkinObjectHost& Host, TskStdCommand Command)
{
    switch (Command) {
    case cmClose:
        Host.CloseForm();
        return true;
    case cmMaximize:
        Host.SetFormState(Host.WindowState() == 2 ? 0 : 2);
        return true;
    case cmMinimize:
        Host.SetFormState(Host.SupportNCArea() && Host.WindowState() == 1 ? 0 : 1);
        return true;
    case cmRollUp:
        Host.RollUpForm(!Host.RolledUp());
        return true;
    case cmSysMenu:
    case cmDefault:
        break;
    }
    return false;
}

void TskSkinStdButtonObject::RunCommand() { RunFormCommand(*Parent, Command); }

void TskSkinStdButtonObject::MouseUp(int X, int Y, gui::TMouseButton Button)
{
    const bool run = Enabled && Active && Button == gui::mbLeft;
    if (Command == cmClose) {
        // Drawn up before the form goes.
        TskSkinButtonObject::MouseUp(X, Y, Button);
        if (run)
            RunCommand();
        return;
    }
    if (run)
        RunCommand();
    TskSkinButtonObject::MouseUp(X, Y, Button);
}

void TskSkinStdButtonObject::DblClick()
{
    if (Command == cmSysMenu)
        Parent->CloseForm();
}

}  // namespace sk
