#include "skinctrls/menubar/menu_bar_objects.h"

#include <algorithm>

#include "gui/controls/menu.h"
#include "gui/controls/menu_item.h"
#include "skin/forms/form_skin_engine.h"
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

gui::TRect ToScreen(gui::TControl& control, const gui::TRect& r)
{
    const gui::TPoint a = control.ClientToScreen(gui::Point(r.Left, r.Top));
    const gui::TPoint b = control.ClientToScreen(gui::Point(r.Right, r.Bottom));
    return gui::Rect(a.X, a.Y, b.X, b.Y);
}

}  // namespace

// ---- TskMenuBarObject ----

TskMenuBarObject::TskMenuBarObject(TskSkinMainMenuBar* AParent, TskDataSkinObject* AData) : Parent(AParent)
{
    if (!AData)
        return;
    IDName = AData->IDName;
    SkinRect = ObjectRect = AData->SkinRect;
    ActiveSkinRect = DownRect = AData->ActiveSkinRect;
    Morphing = AData->Morphing;
    MorphKind = AData->MorphKind;
    if (TskSkinData* skin = Parent->SkinData())
        Picture = skin->ActivePicture(AData->ActivePictureIndex);
}

void TskMenuBarObject::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    (void)X;
    (void)Y;
    (void)Button;
}

void TskMenuBarObject::MouseUp(int X, int Y, gui::TMouseButton Button)
{
    (void)X;
    (void)Y;
    (void)Button;
}

void TskMenuBarObject::MouseEnter()
{
    MouseIn = true;
    Active = true;
    Redraw();
}

void TskMenuBarObject::MouseLeave()
{
    MouseIn = false;
    Active = false;
    Redraw();
}

bool TskMenuBarObject::MorphRunning() const
{
    if (Down && !IsNullRect(DownRect))
        return false;
    return Active ? MorphFactor < 1 : MorphFactor > 0;
}

void TskMenuBarObject::Redraw()
{
    if (Morphing)
        Parent->StartMorphTimer();
    else
        Parent->DrawObject(*this);
}

void TskMenuBarObject::MorphStep()
{
    MorphFactor = std::clamp(MorphFactor + (Active ? 0.1 : -0.1), 0.0, 1.0);
    Parent->DrawObject(*this);
}

void TskMenuBarObject::DrawImage(gui::TCanvas& Canvas, gui::TBitmap& Normal, gui::TBitmap* Highlighted)
{
    if (Normal.Empty())
        return;
    if (!Highlighted) {
        Canvas.Draw(ObjectRect.Left, ObjectRect.Top, Normal);
        return;
    }
    TskEffectBmp image(Normal.Handle());
    const TskEffectBmp target(Highlighted->Handle());
    MorphByKind(image, target, MorphFactor, MorphKind);
    image.Draw(Canvas.Handle(), ObjectRect.Left, ObjectRect.Top);
}

// ---- TskSkinMainMenuBarItem ----

TskSkinMainMenuBarItem::TskSkinMainMenuBarItem(TskSkinMainMenuBar* AParent, TskDataSkinMainMenuItem* AData,
                                               gui::TMenuItem* AMenuItem)
    : TskMenuBarObject(AParent, AData), SkinSupport(AData != nullptr), MenuItem(AMenuItem)
{
    if (MenuItem) {
        IDName = MenuItem->Name();
        Enabled = MenuItem->Enabled();
    }
    SavedEnabled = Enabled;
    if (!AData)
        return;
    ReadLook(*AData);
    DownRect = AData->DownRect;
    if (IsNullRect(DownRect))
        DownRect = IsNullRect(ActiveSkinRect) ? SkinRect : ActiveSkinRect;
    if (IsNullRect(ActiveSkinRect))
        Morphing = false;
    // Without a picture to draw from, the item keeps the plain look.
    if (!Picture || Picture->Empty() || IsNullRect(SkinRect))
        SkinSupport = false;
}

bool TskSkinMainMenuBarItem::HasSubItems() const { return MenuItem && MenuItem->Count() > 0; }

std::string TskSkinMainMenuBarItem::Caption() const { return MenuItem ? MenuItem->Caption() : std::string(); }

bool TskSkinMainMenuBarItem::Layout()
{
    const gui::TRect& area = Parent->ItemsArea();
    int left = area.Left;
    for (int i = Parent->IndexOfObject(this) - 1; i >= 0; --i)
        if (dynamic_cast<TskSkinMainMenuBarItem*>(Parent->Objects(i))) {
            left = Parent->Objects(i)->ObjectRect.Right;
            break;
        }
    gui::TBitmap probe;
    probe.SetSize(1, 1);
    gui::TFont& font = probe.Canvas().Font();
    if (SkinSupport) {
        SetLookFont(font);
        font.SetCharset(Parent->DefItemFont().Charset());
    } else {
        font.Assign(Parent->DefItemFont());
    }
    gui::TRect measured;
    probe.Canvas().DrawText(Caption(), measured, DT_CALCRECT | DT_SINGLELINE);
    const int captionWidth = RectWidth(measured);
    if (SkinSupport)
        ObjectRect = gui::Rect(left, area.Top, left + RectWidth(SkinRect) - RectWidth(TextRect) + captionWidth + 2,
                               area.Top + RectHeight(SkinRect));
    else
        ObjectRect = gui::Rect(left, area.Top, left + captionWidth + 12, area.Bottom);
    if (ObjectRect.Right > area.Right - 5) {
        // Off the bar: it cannot be hovered until it fits again.
        Parent->NoteHiddenItem();
        if (Shown) {
            SavedEnabled = Enabled;
            Enabled = false;
            Shown = false;
        }
        return false;
    }
    if (!Shown) {
        Enabled = SavedEnabled;
        Shown = true;
    }
    return true;
}

void TskSkinMainMenuBarItem::Draw(gui::TCanvas& Canvas)
{
    if (!Layout())
        return;
    if (SkinSupport)
        DrawSkinned(Canvas);
    else
        DrawDefault(Canvas);
}

void TskSkinMainMenuBarItem::DrawDefault(gui::TCanvas& Canvas)
{
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w < 1 || h < 1)
        return;
    gui::TBitmap image;
    image.SetSize(w, h);
    gui::TCanvas& c = image.Canvas();
    const gui::TRect all = gui::Rect(0, 0, w, h);
    if (Down || MouseIn) {
        DrawDefaultFace(c, all, Down ? fsPressed : fsHot);
    } else {
        c.Brush().SetStyle(gui::bsSolid);
        c.Brush().SetColor(gui::clBtnFace);
        c.FillRect(all);
    }
    c.Font().Assign(Parent->DefItemFont());
    c.Brush().SetStyle(gui::bsClear);
    const std::string caption = Caption();
    const int textHeight = c.TextHeight(caption.empty() ? std::string("W") : caption);
    gui::TRect r = gui::Rect(0, h / 2 - textHeight / 2, w, h / 2 - textHeight / 2 + textHeight);
    if (Down) {
        ++r.Left;
        ++r.Top;
    }
    c.DrawText(caption, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    Canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
}

void TskSkinMainMenuBarItem::MakeItemImage(gui::TBitmap& Image, const gui::TRect& Source, bool Highlighted)
{
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w < 1 || h < 1 || IsNullRect(Source))
        return;
    if (RectWidth(Source) - ItemLeftOffset - ItemRightOffset > 0) {
        MakeHSkinImage(ItemLeftOffset, ItemRightOffset, Image, *Picture, Source, w);
    } else {
        // No middle part to repeat: the whole piece is stretched instead.
        Image.SetSize(w, RectHeight(Source));
        CopyPiece(Image.Canvas(), gui::Rect(0, 0, w, RectHeight(Source)), Picture->Canvas(), Source);
    }
    if (Image.Width() != w || Image.Height() != h)
        Image.SetSize(w, h);
    gui::TCanvas& c = Image.Canvas();
    SetLookFont(c.Font());
    c.Font().SetCharset(Parent->DefItemFont().Charset());
    c.Font().SetColor(CaptionColor(Down, Highlighted, Enabled));
    c.Brush().SetStyle(gui::bsClear);
    const std::string caption = Caption();
    gui::TRect r = gui::Rect(TextRect.Left, TextRect.Top, TextRect.Left, TextRect.Top);
    c.DrawText(caption, r, DT_CALCRECT | DT_SINGLELINE);
    r.Right += 2;
    c.DrawText(caption, r, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void TskSkinMainMenuBarItem::DrawSkinned(gui::TCanvas& Canvas)
{
    gui::TBitmap image;
    if (Down) {
        MakeItemImage(image, DownRect, Active);
        DrawImage(Canvas, image, nullptr);
    } else if (!(Morphing && MorphRunning())) {
        if (Active)
            MakeItemImage(image, IsNullRect(ActiveSkinRect) ? SkinRect : ActiveSkinRect, true);
        else
            MakeItemImage(image, SkinRect, false);
        DrawImage(Canvas, image, nullptr);
    } else {
        gui::TBitmap highlighted;
        MakeItemImage(image, SkinRect, false);
        MakeItemImage(highlighted, ActiveSkinRect, true);
        DrawImage(Canvas, image, &highlighted);
    }
}

void TskSkinMainMenuBarItem::OpenSubMenu()
{
    TskSkinObjectHost* engine = Parent->Engine();
    if (!engine || !MenuItem)
        return;
    const gui::TRect anchor = ToScreen(*Parent, ObjectRect);
    engine->SkinMenuOpen();
    Parent->EnterEngineMenuMode();
    engine->SkinMenu().Popup(nullptr, Parent->SkinData(), 0, anchor, MenuItem, Parent->PopupToUp());
}

void TskSkinMainMenuBarItem::SetDown(bool value)
{
    if (value) {
        Down = true;
        Parent->DrawObject(*this);
        TskSkinObjectHost* engine = Parent->Engine();
        if (engine && !engine->MainMenuMode())
            Parent->FireMainMenuEnter();
        OpenSubMenu();
        return;
    }
    Down = false;
    Active = false;
    if (Morphing) {
        // The highlight fades back.
        MorphFactor = 1;
        Parent->StartMorphTimer();
    } else {
        Parent->DrawObject(*this);
    }
}

void TskSkinMainMenuBarItem::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    (void)X;
    (void)Y;
    if (!Enabled || Button != gui::mbLeft)
        return;
    TskSkinMainMenuBar* bar = Parent;
    const unsigned generation = bar->Generation();
    gui::TMenuItem* menuItem = MenuItem;
    if (bar->OnMainMenuItemClick)
        bar->OnMainMenuItemClick(bar, IDName);
    if (bar->Generation() == generation) {
        Press();
        return;
    }
    // The handler made the bar's objects anew, this one with them: the press
    // goes on with the object now showing the same menu item, if any.
    for (int i = 0; i < bar->ObjectCount(); ++i)
        if (auto* item = dynamic_cast<TskSkinMainMenuBarItem*>(bar->Objects(i)); item && menuItem &&
                                                                              item->MenuItem == menuItem) {
            if (item->Enabled)
                item->Press();
            return;
        }
}

void TskSkinMainMenuBarItem::Press()
{
    if (HasSubItems()) {
        Parent->SetMenuMode(true);
        SetDown(true);
        return;
    }
    TskSkinMainMenuBar* bar = Parent;
    const unsigned generation = bar->Generation();
    gui::TMenuItem* menuItem = MenuItem;
    TskSkinObjectHost* engine = bar->Engine();
    if (engine && engine->MainMenuMode())
        bar->ExitMainMenu();
    if (engine)
        engine->ClearMenuOpen();
    if (bar->Generation() == generation)
        Redraw();
    if (!menuItem)
        return;
    gui::TMenu* menu = menuItem->GetParentMenu();
    if (!menu || !menu->DispatchCommand(menuItem->Command()))
        menuItem->Click();
}

void TskSkinMainMenuBarItem::MouseEnter()
{
    TskSkinMainMenuBarItem* down = nullptr;
    for (int i = 0; i < Parent->ObjectCount() && !down; ++i) {
        auto* other = dynamic_cast<TskSkinMainMenuBarItem*>(Parent->Objects(i));
        if (other && other != this && other->Down)
            down = other;
    }
    if (down) {
        // An open menu follows the mouse along the bar.
        down->SetDown(false);
        Active = true;
        MouseIn = true;
        if (Morphing)
            MorphFactor = 1;
        SetDown(true);
        return;
    }
    for (int i = 0; i < Parent->ObjectCount(); ++i) {
        auto* other = dynamic_cast<TskSkinMainMenuBarItem*>(Parent->Objects(i));
        if (other && other != this && other->Active)
            other->MouseLeave();
    }
    MouseIn = true;
    Active = true;
    Redraw();
}

void TskSkinMainMenuBarItem::MouseLeave()
{
    Active = false;
    MouseIn = false;
    if (Morphing && Down)
        MorphFactor = 0;
    Redraw();
}

// ---- TskSkinMainMenuBarButton ----

TskSkinMainMenuBarButton::TskSkinMainMenuBarButton(TskSkinMainMenuBar* AParent, TskDataSkinObject* AData,
                                                   uint8_t ACommand)
    : TskMenuBarObject(AParent, AData), Command(ACommand), SkinSupport(false)
{
    auto* record = dynamic_cast<TskDataSkinStdButton*>(AData);
    if (!record)
        return;
    SkinSupport = !IsNullRect(SkinRect);
    DownRect = record->DownRect;
    switch (record->Command) {
    case cmClose:
        Command = cbClose;
        break;
    case cmMaximize:
        Command = cbRestore;
        break;
    case cmMinimize:
        Command = cbMinimize;
        break;
    case cmSysMenu:
        Command = cbSysMenu;
        break;
    default:
        break;  // no child command: the role it was made for
    }
}

void TskSkinMainMenuBarButton::Draw(gui::TCanvas& Canvas)
{
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w < 1 || h < 1)
        return;
    if (!SkinSupport || !Picture || Picture->Empty()) {
        DrawDefault(Canvas);
        return;
    }
    auto stretched = [&](gui::TBitmap& image, const gui::TRect& source) {
        image.SetSize(w, h);
        CopyPiece(image.Canvas(), gui::Rect(0, 0, w, h), Picture->Canvas(), source);
    };
    gui::TBitmap image;
    if (Down && MouseIn && !IsNullRect(DownRect)) {
        stretched(image, DownRect);
        DrawImage(Canvas, image, nullptr);
    } else if (Morphing && MorphRunning() && !IsNullRect(ActiveSkinRect)) {
        gui::TBitmap highlighted;
        stretched(image, SkinRect);
        stretched(highlighted, ActiveSkinRect);
        DrawImage(Canvas, image, &highlighted);
    } else {
        stretched(image, Active && !IsNullRect(ActiveSkinRect) ? ActiveSkinRect : SkinRect);
        DrawImage(Canvas, image, nullptr);
    }
}

void TskSkinMainMenuBarButton::DrawDefault(gui::TCanvas& Canvas)
{
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    gui::TBitmap image;
    image.SetSize(w, h);
    gui::TCanvas& c = image.Canvas();
    const gui::TRect all = gui::Rect(0, 0, w, h);
    const bool pressed = Down && MouseIn;
    if (MouseIn) {
        DrawDefaultFace(c, all, pressed ? fsPressed : fsHot);
    } else {
        c.Brush().SetStyle(gui::bsSolid);
        c.Brush().SetColor(gui::clBtnFace);
        c.FillRect(all);
    }
    const int x = pressed ? w / 2 - 4 : w / 2 - 5;
    const int y = pressed ? h / 2 - 3 : h / 2 - 4;
    const gui::TColor colour = Enabled ? gui::clBtnText : gui::clBtnShadow;
    switch (Command) {
    case cbClose:
        DrawCloseGlyph(c, x, y, colour);
        break;
    case cbRestore:
        DrawRestoreGlyph(c, x, y, colour);
        break;
    case cbMinimize:
        DrawMinimizeGlyph(c, x, y, colour);
        break;
    default:
        DrawSysMenuGlyph(c, x, y, colour);
        break;
    }
    Canvas.Draw(ObjectRect.Left, ObjectRect.Top, image);
}

void TskSkinMainMenuBarButton::OpenSystemMenu()
{
    TskSkinObjectHost* engine = Parent->Engine();
    TskSkinObjectHost* child = Parent->ChildEngine();
    if (!engine || !child)
        return;
    Parent->Repaint();
    const gui::TRect anchor = ToScreen(*Parent, ObjectRect);
    engine->SkinMenuOpen();
    TskSkinData* skin = engine->MenusSkinData() ? engine->MenusSkinData() : engine->SkinData();
    engine->SkinMenu().Popup(Parent, skin, 0, anchor, child->GetSystemMenuItems(), Parent->PopupToUp());
}

void TskSkinMainMenuBarButton::MouseDown(int X, int Y, gui::TMouseButton Button)
{
    (void)X;
    (void)Y;
    if (!Parent->ChildEngine() || Button != gui::mbLeft || !Enabled)
        return;
    Down = true;
    if (Morphing && !IsNullRect(DownRect))
        MorphFactor = 1;
    Redraw();
    if (Command == cbSysMenu)
        OpenSystemMenu();
}

void TskSkinMainMenuBarButton::MouseUp(int X, int Y, gui::TMouseButton Button)
{
    (void)X;
    (void)Y;
    TskSkinObjectHost* child = Parent->ChildEngine();
    if (!child || Button != gui::mbLeft || !Enabled || Command == cbSysMenu)
        return;
    Down = false;
    Redraw();
    if (!MouseIn)
        return;
    switch (Command) {
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
    TskSkinObjectHost* child = Parent->ChildEngine();
    if (Command != cbSysMenu || !child)
        return;
    if (TskSkinObjectHost* engine = Parent->Engine())
        engine->SkinMenu().CloseMenus();
    child->CloseForm();
}

void TskSkinMainMenuBarButton::MouseEnter()
{
    if (Command == cbSysMenu && Down) {
        // Its menu is open: the button keeps its pressed look.
        Active = true;
        MouseIn = true;
        if (Morphing)
            MorphFactor = 0;
        return;
    }
    TskMenuBarObject::MouseEnter();
}

void TskSkinMainMenuBarButton::MouseLeave()
{
    if (Command == cbSysMenu && Down) {
        Active = false;
        MouseIn = false;
        return;
    }
    TskMenuBarObject::MouseLeave();
}

}  // namespace sk
