#include "skin/frame/skin_main_menu_item.h"

#include <algorithm>

#include "gui/controls/menu.h"
#include "gui/controls/menu_item.h"
#include "skin/data/skin_data.h"
#include "skin/frame/main_menu_item_behaviour.h"
#include "skin/imaging/skin_image.h"
#include "skin/model/geometry.h"
#include "skin/popups/skin_main_menu.h"
#include "skin/popups/skin_menu.h"

namespace sk {

TskSkinMainMenuItem::TskSkinMainMenuItem(TskSkinObjectHost* parent, TskDataSkinMainMenuItem* data,
                                         gui::TMenuItem* menuItem)
    : TskActiveSkinObject(parent, data), menuItem_(menuItem)
{
    if (menuItem_) {
        SetIDName(menuItem_->Name());
        SetEnabled(menuItem_->Enabled());
    }
    if (data) {
        ReadLook(*data);
        downRect_ = data->DownRect;
    }
    if (IsNullRect(downRect_))
        downRect_ = IsNullRect(ActiveSkinRect()) ? SkinRect() : ActiveSkinRect();
    if (IsNullRect(ActiveSkinRect()))
        SetMorphing(false);
    savedEnabled_ = Enabled();
    fits_ = true;
}

std::vector<TskSkinMainMenuItem*> TskSkinMainMenuItem::Row() const
{
    std::vector<TskSkinMainMenuItem*> row;
    for (int i = 0; i < Parent()->ObjectCount(); ++i)
        if (auto* item = dynamic_cast<TskSkinMainMenuItem*>(Parent()->Objects(i)))
            row.push_back(item);
    return row;
}

int TskSkinMainMenuItem::CaptionWidth()
{
    gui::TBitmap probe;
    probe.SetSize(1, 1);
    SetLookFont(probe.Canvas().Font());
    gui::TRect measured;
    probe.Canvas().DrawText(menuItem_ ? menuItem_->Caption() : std::string(), measured, DT_CALCRECT | DT_CENTER);
    return RectWidth(measured);
}

void TskSkinMainMenuItem::Layout()
{
    const gui::TRect area = Parent()->MainMenuRect();
    int left = 0;
    for (int i = 0; i < Parent()->ObjectCount(); ++i) {
        TskActiveSkinObject* object = Parent()->Objects(i);
        if (object == this)
            break;
        if (dynamic_cast<TskSkinMainMenuItem*>(object))
            left = object->ObjectRect().Right;
    }
    if (left == 0)
        left = area.Left;
    SetObjectRect(gui::Rect(left, area.Top, left + SkinnedItemWidth(SkinRect(), CaptionWidth()),
                            area.Top + RectHeight(SkinRect())));
}

void TskSkinMainMenuItem::MakeItemImage(gui::TBitmap& image, const gui::TRect& source, bool highlighted)
{
    const int width = RectWidth(ObjectRect()), height = RectHeight(ObjectRect());
    gui::TBitmap* picture = ActivePicture();
    if (picture && !picture->Empty() && !IsNullRect(source))
        MakeHSkinImage(ItemLeftOffset(), ItemRightOffset(), image, *picture, source, width);
    if (image.Width() != width || image.Height() != height)
        image.SetSize(width, height);
    if (image.Empty())
        return;
    gui::TCanvas& canvas = image.Canvas();
    SetLookFont(canvas.Font());
    canvas.Brush().SetStyle(gui::bsClear);
    canvas.Font().SetColor(CaptionColor(down_, highlighted, !menuItem_ || menuItem_->Enabled()));
    const std::string caption = menuItem_ ? menuItem_->Caption() : std::string();
    // The skin's text part, as wide as the caption and 2 pixels more.
    gui::TRect place = TextRect();
    gui::TRect measured = place;
    canvas.DrawText(caption, measured, DT_CALCRECT | DT_CENTER);
    place.Right = place.Left + RectWidth(measured) + 2;
    canvas.DrawText(caption, place, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TskSkinMainMenuItem::Draw(gui::TCanvas& canvas, bool repaint)
{
    if (IsNullRect(SkinRect()) || IsNullRect(TextRect()))
        return;
    Layout();
    if (ObjectRect().Right > Parent()->MainMenuRect().Right) {
        // Out of the area: disabled until it fits again.
        if (fits_) {
            savedEnabled_ = Enabled();
            SetEnabled(false);
            fits_ = false;
        }
        return;
    }
    if (!fits_) {
        SetEnabled(savedEnabled_);
        fits_ = true;
    }
    const gui::TRect truePlace = ObjectRect();
    const int clientBottom = Parent()->FormClientRect().Bottom;
    if (Parent()->SupportNCArea() && !repaint && truePlace.Top >= clientBottom)
        // Drawn into the bitmap of the bottom frame strip, which starts there.
        SetObjectRect(gui::Rect(truePlace.Left, truePlace.Top - clientBottom, truePlace.Right,
                                truePlace.Bottom - clientBottom));
    const TskMainMenuItemLookChoice look =
        ChooseMainMenuItemLook(down_, Active(), LookChanging(), SkinRect(), ActiveSkinRect(), downRect_);
    gui::TBitmap image;
    MakeItemImage(image, look.Source, look.Highlighted);
    if (look.Morph) {
        gui::TBitmap highlighted;
        MakeItemImage(highlighted, ActiveSkinRect(), true);
        DrawMorph(canvas, image, highlighted);
    } else if (!image.Empty()) {
        canvas.Draw(ObjectRect().Left, ObjectRect().Top, image);
    }
    SetObjectRect(truePlace);
}

void TskSkinMainMenuItem::OpenSubMenu()
{
    TskSkinObjectHost* host = Parent();
    host->SkinMenuOpen();
    const gui::TPoint origin = host->FrameScreenOrigin();
    const gui::TRect& place = ObjectRect();
    const gui::TRect rect =
        gui::Rect(place.Left + origin.X, place.Top + origin.Y, place.Right + origin.X, place.Bottom + origin.Y);
    // A skinned main menu with a skin of its own opens its popups in that skin,
    // upwards when that skin says so.
    auto* mainMenu = menuItem_ ? dynamic_cast<TskSkinMainMenu*>(menuItem_->GetParentMenu()) : nullptr;
    TskSkinData* skin = host->MenusSkinData() ? host->MenusSkinData() : host->SkinData();
    bool popupUp = host->SkinData() && host->SkinData()->FormInfo.MainMenuPopupUp;
    if (mainMenu && mainMenu->SkinData()) {
        skin = mainMenu->SkinData();
        popupUp = skin->FormInfo.MainMenuPopupUp;
    }
    host->SkinMenu().Popup(nullptr, skin, 0, rect, menuItem_, popupUp);
}

void TskSkinMainMenuItem::SetDown(bool value)
{
    down_ = value;
    if (!value) {
        FadeBackMainMenuItem(*this, [this] { StartMorph(); });
        return;
    }
    Parent()->RedrawObject(*this);
    OpenSubMenu();
    if (!Parent()->MainMenuMode())
        Parent()->EnterMainMenuMode();
}

void TskSkinMainMenuItem::MouseDown(int x, int y, gui::TMouseButton button)
{
    if (!Enabled())
        return;
    // A click handler may rebuild the menu and this object with it: what the
    // event needs is kept aside first.
    TskSkinObjectHost* host = Parent();
    const std::string name = IDName();
    const gui::TRect place = ObjectRect();
    if (button == gui::mbLeft) {
        if (HasSubItems(menuItem_)) {
            SetDown(true);
        } else {
            SetDown(false);
            host->ClearMenuOpen();
            RunMenuItemCommand(menuItem_);
        }
    }
    host->MouseDownEvent(name, x, y, place, button);
}

void TskSkinMainMenuItem::MouseEnter() { EnterMainMenuItem(*this, Row(), [this] { StartMorph(); }); }

void TskSkinMainMenuItem::MouseLeave()
{
    LeaveMainMenuItem(*this, [this] { StartMorph(); });
    Parent()->MouseLeaveEvent(IDName());
}

}  // namespace sk
