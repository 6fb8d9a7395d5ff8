#include "skin/frame/skin_main_menu_item.h"

#include <algorithm>

#include "gui/controls/menu.h"
#include "gui/controls/menu_item.h"
#include "skin/data/skin_data.h"
#include "skin/imaging/skin_image.h"
#include "skin/model/geometry.h"
#include "skin/popups/skin_main_menu.h"
#include "skin/popups/skin_menu.h"

namespace sk {

TskSkinMainMenuItem::TskSkinMainMenuItem(TskSkinObjectHost* AParent, TskDataSkinMainMenuItem* AData,
                                         gui::TMenuItem* AMenuItem)
    : TskActiveSkinObject(AParent, AData), MenuItem(AMenuItem)
{
    if (MenuItem) {
        IDName = MenuItem->Name();
        Enabled = MenuItem->Enabled();
    }
    if (AData) {
        ReadLook(*AData);
        DownRect = AData->DownRect;
    }
    if (IsNullRect(DownRect))
        DownRect = IsNullRect(ActiveSkinRect) ? SkinRect : ActiveSkinRect;
    if (IsNullRect(ActiveSkinRect))
        Morphing = false;
    SavedEnabled = Enabled;
    Fits = true;
}

int TskSkinMainMenuItem::CaptionWidth()
{
    gui::TBitmap probe;
    probe.SetSize(1, 1);
    SetLookFont(probe.Canvas().Font());
    gui::TRect r;
    probe.Canvas().DrawText(MenuItem ? MenuItem->Caption() : std::string(), r, DT_CALCRECT | DT_CENTER);
    return RectWidth(r);
}

void TskSkinMainMenuItem::Layout()
{
    const gui::TRect area = Parent->MainMenuRect();
    int left = 0;
    for (int i = 0; i < Parent->ObjectCount(); ++i) {
        TskActiveSkinObject* o = Parent->Objects(i);
        if (o == this)
            break;
        if (dynamic_cast<TskSkinMainMenuItem*>(o))
            left = o->ObjectRect.Right;
    }
    if (left == 0)
        left = area.Left;
    ObjectRect.Left = left;
    ObjectRect.Top = area.Top;
    ObjectRect.Right = left + RectWidth(SkinRect) - RectWidth(TextRect) + CaptionWidth() + 2;
    ObjectRect.Bottom = area.Top + RectHeight(SkinRect);
}

void TskSkinMainMenuItem::MakeItemImage(gui::TBitmap& Image, const gui::TRect& Source, bool Highlighted)
{
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (ActivePicture && !ActivePicture->Empty() && !IsNullRect(Source))
        MakeHSkinImage(ItemLeftOffset, ItemRightOffset, Image, *ActivePicture, Source, w);
    if (Image.Width() != w || Image.Height() != h)
        Image.SetSize(w, h);
    if (Image.Empty())
        return;
    gui::TCanvas& c = Image.Canvas();
    SetLookFont(c.Font());
    c.Brush().SetStyle(gui::bsClear);
    c.Font().SetColor(CaptionColor(Down, Highlighted, !MenuItem || MenuItem->Enabled()));
    const std::string caption = MenuItem ? MenuItem->Caption() : std::string();
    // The skin's text part, as wide as the caption and 2 pixels more.
    gui::TRect r = TextRect;
    gui::TRect measured = r;
    c.DrawText(caption, measured, DT_CALCRECT | DT_CENTER);
    r.Right = r.Left + RectWidth(measured) + 2;
    c.DrawText(caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TskSkinMainMenuItem::Draw(gui::TCanvas& Canvas, bool Repaint)
{
    if (IsNullRect(SkinRect) || IsNullRect(TextRect))
        return;
    Layout();
    if (ObjectRect.Right > Parent->MainMenuRect().Right) {
        // Out of the area: disabled until it fits again.
        if (Fits) {
            SavedEnabled = Enabled;
            Enabled = false;
            Fits = false;
        }
        return;
    }
    if (!Fits) {
        Enabled = SavedEnabled;
        Fits = true;
    }
    const gui::TRect truePlace = ObjectRect;
    const int clientBottom = Parent->FormClientRect().Bottom;
    const bool inBottomStrip = Parent->SupportNCArea() && !Repaint && ObjectRect.Top >= clientBottom;
    if (inBottomStrip) {
        // Drawn into the bitmap of the bottom frame strip, which starts there.
        ObjectRect.Top -= clientBottom;
        ObjectRect.Bottom -= clientBottom;
    }
    gui::TBitmap image;
    if (Down) {
        MakeItemImage(image, DownRect, Active);
    } else if (!LookChanging()) {
        if (Active)
            MakeItemImage(image, IsNullRect(ActiveSkinRect) ? SkinRect : ActiveSkinRect, true);
        else
            MakeItemImage(image, SkinRect, false);
    } else {
        gui::TBitmap highlighted;
        MakeItemImage(image, SkinRect, false);
        MakeItemImage(highlighted, ActiveSkinRect, true);
        DrawMorph(Canvas, image, highlighted);
        ObjectRect = truePlace;
        return;
    }
    if (!image.Empty())
        Canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
    ObjectRect = truePlace;
}

void TskSkinMainMenuItem::OpenSubMenu()
{
    Parent->SkinMenuOpen();
    const gui::TPoint origin = Parent->FrameScreenOrigin();
    const gui::TRect rect = gui::Rect(ObjectRect.Left + origin.X, ObjectRect.Top + origin.Y,
                                      ObjectRect.Right + origin.X, ObjectRect.Bottom + origin.Y);
    // A skinned main menu with a skin of its own opens its popups in that skin,
    // upwards when that skin says so.
    auto* mainMenu = MenuItem ? dynamic_cast<TskSkinMainMenu*>(MenuItem->GetParentMenu()) : nullptr;
    TskSkinData* skin = Parent->MenusSkinData() ? Parent->MenusSkinData() : Parent->SkinData();
    bool popupUp = Parent->SkinData() && Parent->SkinData()->FormInfo.MainMenuPopupUp;
    if (mainMenu && mainMenu->SkinData()) {
        skin = mainMenu->SkinData();
        popupUp = skin->FormInfo.MainMenuPopupUp;
    }
    Parent->SkinMenu().Popup(nullptr, skin, 0, rect, MenuItem, popupUp);
}

void TskSkinMainMenuItem::SetDown(bool value)
{
    Down = value;
    if (value) {
        Parent->RedrawObject(*this);
        OpenSubMenu();
        if (!Parent->MainMenuMode())
            Parent->EnterMainMenuMode();
        return;
    }
    // The item fades back from its highlighted look.
    Active = false;
    if (Morphing)
        MorphFactor = 1;
    StartMorph();
}

void TskSkinMainMenuItem::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    if (!Enabled)
        return;
    // A click handler may rebuild the menu and this object with it: what the
    // event needs is kept aside first.
    TskSkinObjectHost* host = Parent;
    const std::string name = IDName;
    const gui::TRect place = ObjectRect;
    if (Button == gui::mbLeft) {
        if (MenuItem && MenuItem->Count() > 0) {
            SetDown(true);
        } else {
            SetDown(false);
            host->ClearMenuOpen();
            if (MenuItem) {
                gui::TMenu* menu = MenuItem->GetParentMenu();
                if (!menu || !menu->DispatchCommand(MenuItem->Command()))
                    MenuItem->Click();
            }
        }
    }
    host->MouseDownEvent(name, X, Y, place, Button);
}

void TskSkinMainMenuItem::MouseEnter()
{
    TskSkinMainMenuItem* down = nullptr;
    TskSkinMainMenuItem* active = nullptr;
    for (int i = 0; i < Parent->ObjectCount(); ++i) {
        auto* other = dynamic_cast<TskSkinMainMenuItem*>(Parent->Objects(i));
        if (!other || other == this)
            continue;
        if (!down && other->Down)
            down = other;
        if (!active && other->Active)
            active = other;
    }
    if (down) {
        // An open menu follows the mouse from item to item.
        down->SetDown(false);
        Active = true;
        MouseIn = true;
        if (Morphing)
            MorphFactor = 1;
        SetDown(true);
        return;
    }
    if (active)
        active->MouseLeave();
    MouseIn = true;
    Active = true;
    StartMorph();
}

void TskSkinMainMenuItem::MouseLeave()
{
    Active = false;
    MouseIn = false;
    if (Morphing && Down)
        MorphFactor = 0;
    StartMorph();
    Parent->MouseLeaveEvent(IDName);
}

}  // namespace sk
