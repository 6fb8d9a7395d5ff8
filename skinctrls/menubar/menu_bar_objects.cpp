#include "skinctrls/menubar/menu_bar_objects.h"

#include <algorithm>

#include "gui/controls/menu.h"
#include "gui/controls/menu_item.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/main_menu_item_behaviour.h"
#include "skin/frame/skin_object_host.h"
#include "skin/imaging/default_look.h"
#include "skin/imaging/effect_bmp.h"
#include "skin/imaging/glyphs.h"
#include "skin/imaging/morph_by_kind.h"
#include "skin/imaging/skin_image.h"
#include "skin/imaging/tiling.h"
#include "skin/model/geometry.h"
#include "skin/popups/skin_menu.h"
#include "skinctrls/menubar/main_menu_bar.h"

namespace sk {

namespace {

gui::TRect ToScreen(gui::TControl& control, const gui::TRect& rect)
{
    const gui::TPoint topLeft = control.ClientToScreen(gui::Point(rect.Left, rect.Top));
    const gui::TPoint bottomRight = control.ClientToScreen(gui::Point(rect.Right, rect.Bottom));
    return gui::Rect(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y);
}

}  // namespace

// ---- TskMenuBarObject ----

TskMenuBarObject::TskMenuBarObject(TskSkinMainMenuBar* parent, TskDataSkinObject* data) : parent_(parent)
{
    if (!data)
        return;
    idName_ = data->IDName;
    skinRect_ = objectRect_ = data->SkinRect;
    activeSkinRect_ = downRect_ = data->ActiveSkinRect;
    morphing_ = data->Morphing;
    morphKind_ = data->MorphKind;
    if (TskSkinData* skin = parent_->SkinData())
        picture_ = skin->ActivePicture(data->ActivePictureIndex);
}

void TskMenuBarObject::MouseDown(int x, int y, gui::TMouseButton button)
{
    (void)x;
    (void)y;
    (void)button;
}

void TskMenuBarObject::MouseUp(int x, int y, gui::TMouseButton button)
{
    (void)x;
    (void)y;
    (void)button;
}

void TskMenuBarObject::MouseEnter()
{
    mouseIn_ = true;
    active_ = true;
    Redraw();
}

void TskMenuBarObject::MouseLeave()
{
    mouseIn_ = false;
    active_ = false;
    Redraw();
}

bool TskMenuBarObject::MorphRunning() const
{
    if (down_ && !IsNullRect(downRect_))
        return false;
    return active_ ? morphFactor_ < 1 : morphFactor_ > 0;
}

void TskMenuBarObject::Redraw()
{
    if (morphing_)
        parent_->StartMorphTimer();
    else
        parent_->DrawObject(*this);
}

void TskMenuBarObject::MorphStep()
{
    morphFactor_ = std::clamp(morphFactor_ + (active_ ? 0.1 : -0.1), 0.0, 1.0);
    parent_->DrawObject(*this);
}

void TskMenuBarObject::DrawImage(gui::TCanvas& canvas, gui::TBitmap& normal, gui::TBitmap* highlighted)
{
    if (normal.Empty())
        return;
    if (!highlighted) {
        canvas.Draw(objectRect_.Left, objectRect_.Top, normal);
        return;
    }
    TskEffectBmp image(normal.Handle());
    const TskEffectBmp target(highlighted->Handle());
    MorphByKind(image, target, morphFactor_, morphKind_);
    image.Draw(canvas.Handle(), objectRect_.Left, objectRect_.Top);
}

// ---- TskSkinMainMenuBarItem ----

TskSkinMainMenuBarItem::TskSkinMainMenuBarItem(TskSkinMainMenuBar* parent, TskDataSkinMainMenuItem* data,
                                               gui::TMenuItem* menuItem)
    : TskMenuBarObject(parent, data), skinSupport_(data != nullptr), menuItem_(menuItem)
{
    if (menuItem_) {
        SetIDName(menuItem_->Name());
        SetEnabled(menuItem_->Enabled());
    }
    savedEnabled_ = Enabled();
    if (!data)
        return;
    ReadLook(*data);
    SetDownRect(data->DownRect);
    if (IsNullRect(DownRect()))
        SetDownRect(IsNullRect(ActiveSkinRect()) ? SkinRect() : ActiveSkinRect());
    if (IsNullRect(ActiveSkinRect()))
        SetMorphing(false);
    // Without a picture to draw from, the item keeps the plain look.
    if (!Picture() || Picture()->Empty() || IsNullRect(SkinRect()))
        skinSupport_ = false;
}

void TskSkinMainMenuBarItem::ForgetMenuItem()
{
    menuItem_ = nullptr;
    savedEnabled_ = false;
    SetEnabled(false);
}

bool TskSkinMainMenuBarItem::HasSubItems() const { return sk::HasSubItems(menuItem_); }

std::string TskSkinMainMenuBarItem::Caption() const { return menuItem_ ? menuItem_->Caption() : std::string(); }

std::vector<TskSkinMainMenuBarItem*> TskSkinMainMenuBarItem::Row() const
{
    std::vector<TskSkinMainMenuBarItem*> row;
    for (int i = 0; i < Parent()->ObjectCount(); ++i)
        if (auto* item = dynamic_cast<TskSkinMainMenuBarItem*>(Parent()->Objects(i)))
            row.push_back(item);
    return row;
}

bool TskSkinMainMenuBarItem::Layout()
{
    TskSkinMainMenuBar* bar = Parent();
    const gui::TRect& area = bar->ItemsArea();
    int left = area.Left;
    for (int i = bar->IndexOfObject(this) - 1; i >= 0; --i)
        if (dynamic_cast<TskSkinMainMenuBarItem*>(bar->Objects(i))) {
            left = bar->Objects(i)->ObjectRect().Right;
            break;
        }
    gui::TBitmap probe;
    probe.SetSize(1, 1);
    gui::TFont& font = probe.Canvas().Font();
    if (skinSupport_) {
        SetLookFont(font);
        font.SetCharset(bar->DefItemFont().Charset());
    } else {
        font.Assign(bar->DefItemFont());
    }
    gui::TRect measured;
    probe.Canvas().DrawText(Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
    const int captionWidth = RectWidth(measured);
    if (skinSupport_)
        SetObjectRect(gui::Rect(left, area.Top, left + SkinnedItemWidth(SkinRect(), captionWidth),
                                area.Top + RectHeight(SkinRect())));
    else
        SetObjectRect(gui::Rect(left, area.Top, left + captionWidth + 12, area.Bottom));
    if (ObjectRect().Right > area.Right - 5) {
        // Off the bar: it cannot be hovered until it fits again.
        bar->NoteHiddenItem();
        if (shown_) {
            savedEnabled_ = Enabled();
            SetEnabled(false);
            shown_ = false;
        }
        return false;
    }
    if (!shown_) {
        SetEnabled(savedEnabled_);
        shown_ = true;
    }
    return true;
}

void TskSkinMainMenuBarItem::Draw(gui::TCanvas& canvas)
{
    if (!Layout())
        return;
    if (skinSupport_)
        DrawSkinned(canvas);
    else
        DrawDefault(canvas);
}

void TskSkinMainMenuBarItem::DrawDefault(gui::TCanvas& canvas)
{
    const int width = RectWidth(ObjectRect()), height = RectHeight(ObjectRect());
    if (width < 1 || height < 1)
        return;
    gui::TBitmap image;
    image.SetSize(width, height);
    gui::TCanvas& face = image.Canvas();
    const gui::TRect all = gui::Rect(0, 0, width, height);
    if (Down() || MouseIn()) {
        DrawDefaultFace(face, all, Down() ? fsPressed : fsHot);
    } else {
        face.Brush().SetStyle(gui::bsSolid);
        face.Brush().SetColor(gui::clBtnFace);
        face.FillRect(all);
    }
    face.Font().Assign(Parent()->DefItemFont());
    face.Brush().SetStyle(gui::bsClear);
    const std::string caption = Caption();
    const int textHeight = face.TextHeight(caption.empty() ? std::string("W") : caption);
    gui::TRect place = gui::Rect(0, height / 2 - textHeight / 2, width, height / 2 - textHeight / 2 + textHeight);
    if (Down()) {
        ++place.Left;
        ++place.Top;
    }
    face.DrawText(caption, place, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    canvas.Draw(ObjectRect().Left, ObjectRect().Top, image);
}

void TskSkinMainMenuBarItem::MakeItemImage(gui::TBitmap& image, const gui::TRect& source, bool highlighted)
{
    const int width = RectWidth(ObjectRect()), height = RectHeight(ObjectRect());
    if (width < 1 || height < 1 || IsNullRect(source))
        return;
    if (RectWidth(source) - ItemLeftOffset() - ItemRightOffset() > 0) {
        MakeHSkinImage(ItemLeftOffset(), ItemRightOffset(), image, *Picture(), source, width);
    } else {
        // No middle part to repeat: the whole piece is stretched instead.
        image.SetSize(width, RectHeight(source));
        CopyPiece(image.Canvas(), gui::Rect(0, 0, width, RectHeight(source)), Picture()->Canvas(), source);
    }
    if (image.Width() != width || image.Height() != height)
        image.SetSize(width, height);
    gui::TCanvas& face = image.Canvas();
    SetLookFont(face.Font());
    face.Font().SetCharset(Parent()->DefItemFont().Charset());
    face.Font().SetColor(CaptionColor(Down(), highlighted, Enabled()));
    face.Brush().SetStyle(gui::bsClear);
    const std::string caption = Caption();
    gui::TRect place = gui::Rect(TextRect().Left, TextRect().Top, TextRect().Left, TextRect().Top);
    face.DrawText(caption, place, DT_CALCRECT | DT_SINGLELINE);
    place.Right += 2;
    face.DrawText(caption, place, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TskSkinMainMenuBarItem::DrawSkinned(gui::TCanvas& canvas)
{
    const TskMainMenuItemLookChoice look = ChooseMainMenuItemLook(
        Down(), Active(), Morphing() && MorphRunning(), SkinRect(), ActiveSkinRect(), DownRect());
    gui::TBitmap image;
    MakeItemImage(image, look.Source, look.Highlighted);
    if (!look.Morph) {
        DrawImage(canvas, image, nullptr);
        return;
    }
    gui::TBitmap highlighted;
    MakeItemImage(highlighted, ActiveSkinRect(), true);
    DrawImage(canvas, image, &highlighted);
}

void TskSkinMainMenuBarItem::OpenSubMenu()
{
    TskSkinObjectHost* engine = Parent()->Engine();
    if (!engine || !menuItem_)
        return;
    const gui::TRect anchor = ToScreen(*Parent(), ObjectRect());
    engine->SkinMenuOpen();
    Parent()->EnterEngineMenuMode();
    engine->SkinMenu().Popup(nullptr, Parent()->SkinData(), 0, anchor, menuItem_, Parent()->PopupToUp());
}

void TskSkinMainMenuBarItem::SetDown(bool value)
{
    SetDownState(value);
    if (!value) {
        FadeBackMainMenuItem(*this, [this] { Redraw(); });
        return;
    }
    Parent()->DrawObject(*this);
    TskSkinObjectHost* engine = Parent()->Engine();
    if (engine && !engine->MainMenuMode())
        Parent()->FireMainMenuEnter();
    OpenSubMenu();
}

void TskSkinMainMenuBarItem::SubMenuClosed()
{
    // Back up and still selected, as the keyboard left it: Enter or Down opens
    // it again, Left and Right move on from it.
    SetDownState(false);
    SetActive(true);
    SetMouseIn(true);
    if (Morphing())
        SetMorphFactor(1);
    Parent()->DrawObject(*this);
}

void TskSkinMainMenuBarItem::Deselect()
{
    SetActive(false);
    SetMouseIn(false);
    SetDownState(false);
    if (Morphing())
        SetMorphFactor(1);
    Redraw();
}

void TskSkinMainMenuBarItem::MouseDown(int x, int y, gui::TMouseButton button)
{
    (void)x;
    (void)y;
    if (!Enabled() || button != gui::mbLeft)
        return;
    TskSkinMainMenuBar* bar = Parent();
    const unsigned generation = bar->Generation();
    gui::TMenuItem* menuItem = menuItem_;
    if (bar->OnMainMenuItemClick)
        bar->OnMainMenuItemClick(bar, IDName());
    if (bar->Generation() == generation) {
        Press();
        return;
    }
    // The handler made the bar's objects anew, this one with them: the press
    // goes on with the object now showing the same menu item, if any.
    for (int i = 0; i < bar->ObjectCount(); ++i)
        if (auto* item = dynamic_cast<TskSkinMainMenuBarItem*>(bar->Objects(i));
            item && menuItem && item->menuItem_ == menuItem) {
            if (item->Enabled())
                item->Press();
            return;
        }
}

void TskSkinMainMenuBarItem::Press()
{
    if (HasSubItems()) {
        Parent()->SetMenuMode(true);
        SetDown(true);
        return;
    }
    TskSkinMainMenuBar* bar = Parent();
    const unsigned generation = bar->Generation();
    gui::TMenuItem* menuItem = menuItem_;
    TskSkinObjectHost* engine = bar->Engine();
    if (engine && engine->MainMenuMode())
        bar->ExitMainMenu();
    if (engine)
        engine->ClearMenuOpen();
    if (bar->Generation() == generation)
        Redraw();
    RunMenuItemCommand(menuItem);
}

void TskSkinMainMenuBarItem::MouseEnter() { EnterMainMenuItem(*this, Row(), [this] { Redraw(); }); }

void TskSkinMainMenuBarItem::MouseLeave() { LeaveMainMenuItem(*this, [this] { Redraw(); }); }

// ---- TskSkinMainMenuBarButton ----

TskSkinMainMenuBarButton::TskSkinMainMenuBarButton(TskSkinMainMenuBar* parent, TskDataSkinObject* data,
                                                   uint8_t command)
    : TskMenuBarObject(parent, data), command_(command)
{
    auto* record = dynamic_cast<TskDataSkinStdButton*>(data);
    if (!record)
        return;
    skinSupport_ = !IsNullRect(SkinRect());
    SetDownRect(record->DownRect);
    switch (record->Command) {
    case cmClose:
        command_ = cbClose;
        break;
    case cmMaximize:
        command_ = cbRestore;
        break;
    case cmMinimize:
        command_ = cbMinimize;
        break;
    case cmSysMenu:
        command_ = cbSysMenu;
        break;
    default:
        break;  // no child command: the role it was made for
    }
}

void TskSkinMainMenuBarButton::Draw(gui::TCanvas& canvas)
{
    const int width = RectWidth(ObjectRect()), height = RectHeight(ObjectRect());
    if (width < 1 || height < 1)
        return;
    gui::TBitmap* picture = Picture();
    if (!skinSupport_ || !picture || picture->Empty()) {
        DrawDefault(canvas);
        return;
    }
    auto stretched = [&](gui::TBitmap& image, const gui::TRect& source) {
        image.SetSize(width, height);
        CopyPiece(image.Canvas(), gui::Rect(0, 0, width, height), picture->Canvas(), source);
    };
    gui::TBitmap image;
    if (Down() && MouseIn() && !IsNullRect(DownRect())) {
        stretched(image, DownRect());
        DrawImage(canvas, image, nullptr);
    } else if (Morphing() && MorphRunning() && !IsNullRect(ActiveSkinRect())) {
        gui::TBitmap highlighted;
        stretched(image, SkinRect());
        stretched(highlighted, ActiveSkinRect());
        DrawImage(canvas, image, &highlighted);
    } else {
        stretched(image, Active() && !IsNullRect(ActiveSkinRect()) ? ActiveSkinRect() : SkinRect());
        DrawImage(canvas, image, nullptr);
    }
}

void TskSkinMainMenuBarButton::DrawDefault(gui::TCanvas& canvas)
{
    const int width = RectWidth(ObjectRect()), height = RectHeight(ObjectRect());
    gui::TBitmap image;
    image.SetSize(width, height);
    gui::TCanvas& face = image.Canvas();
    const gui::TRect all = gui::Rect(0, 0, width, height);
    const bool pressed = Down() && MouseIn();
    if (MouseIn()) {
        DrawDefaultFace(face, all, pressed ? fsPressed : fsHot);
    } else {
        face.Brush().SetStyle(gui::bsSolid);
        face.Brush().SetColor(gui::clBtnFace);
        face.FillRect(all);
    }
    const int x = pressed ? width / 2 - 4 : width / 2 - 5;
    const int y = pressed ? height / 2 - 3 : height / 2 - 4;
    const gui::TColor colour = Enabled() ? gui::clBtnText : gui::clBtnShadow;
    switch (command_) {
    case cbClose:
        DrawCloseGlyph(face, x, y, colour);
        break;
    case cbRestore:
        DrawRestoreGlyph(face, x, y, colour);
        break;
    case cbMinimize:
        DrawMinimizeGlyph(face, x, y, colour);
        break;
    default:
        DrawSysMenuGlyph(face, x, y, colour);
        break;
    }
    canvas.Draw(ObjectRect().Left, ObjectRect().Top, image);
}

void TskSkinMainMenuBarButton::OpenSystemMenu()
{
    TskSkinMainMenuBar* bar = Parent();
    TskSkinObjectHost* engine = bar->Engine();
    TskSkinObjectHost* child = bar->ChildEngine();
    if (!engine || !child)
        return;
    bar->Repaint();
    const gui::TRect anchor = ToScreen(*bar, ObjectRect());
    engine->SkinMenuOpen();
    TskSkinData* skin = engine->MenusSkinData() ? engine->MenusSkinData() : engine->SkinData();
    engine->SkinMenu().Popup(bar, skin, 0, anchor, child->GetSystemMenuItems(), bar->PopupToUp());
}

void TskSkinMainMenuBarButton::MenuClosed(bool hot)
{
    SetDownState(false);
    if (!hot) {
        SetActive(false);
        SetMouseIn(false);
    }
    Redraw();
}

void TskSkinMainMenuBarButton::MouseDown(int x, int y, gui::TMouseButton button)
{
    (void)x;
    (void)y;
    if (!Parent()->ChildEngine() || button != gui::mbLeft || !Enabled())
        return;
    SetDownState(true);
    if (Morphing() && !IsNullRect(DownRect()))
        SetMorphFactor(1);
    Redraw();
    if (command_ == cbSysMenu)
        OpenSystemMenu();
}

void TskSkinMainMenuBarButton::MouseUp(int x, int y, gui::TMouseButton button)
{
    (void)x;
    (void)y;
    TskSkinObjectHost* child = Parent()->ChildEngine();
    if (!child || button != gui::mbLeft || !Enabled() || command_ == cbSysMenu)
        return;
    SetDownState(false);
    Redraw();
    if (!MouseIn())
        return;
    switch (command_) {
    case cbClose:
        child->CloseForm();
        break;
    case cbRestore:
        child->SetFormState(0);
        break;
    case cbMinimize:
        child->SetFormState(1);
        break;
    default:
        break;
    }
}

void TskSkinMainMenuBarButton::DblClick()
{
    TskSkinObjectHost* child = Parent()->ChildEngine();
    if (command_ != cbSysMenu || !child)
        return;
    if (TskSkinObjectHost* engine = Parent()->Engine())
        engine->SkinMenu().CloseMenus();
    child->CloseForm();
}

void TskSkinMainMenuBarButton::MouseEnter()
{
    if (command_ == cbSysMenu && Down()) {
        // Its menu is open: the button keeps its pressed look.
        SetActive(true);
        SetMouseIn(true);
        if (Morphing())
            SetMorphFactor(0);
        return;
    }
    TskMenuBarObject::MouseEnter();
}

void TskSkinMainMenuBarButton::MouseLeave()
{
    if (command_ == cbSysMenu && Down()) {
        SetActive(false);
        SetMouseIn(false);
        return;
    }
    TskMenuBarObject::MouseLeave();
}

}  // namespace sk
