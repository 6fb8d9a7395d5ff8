#include "skinctrls/menubar/main_menu_bar.h"

#include <algorithm>

#include "gui/controls/control_messages.h"
#include "gui/controls/form.h"
#include "gui/core/component_reference.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/forms/form_skin_engine_finders.h"
#include "skin/imaging/glyphs.h"
#include "skin/imaging/skin_image.h"
#include "skin/model/geometry.h"
#include "skin/popups/skin_menu.h"
#include "win/gdi_handles.h"

namespace sk {

namespace {

constexpr UINT kMorphInterval = 20;
constexpr UINT kTrackInterval = 50;
// The marker of items that do not fit, at the right end of the items area.
constexpr int kMarkerWidth = 5;

}  // namespace

TskSkinMainMenuBar::TskSkinMainMenuBar(gui::TComponent* owner)
    : TskSkinControl(owner), morphTimer_(new gui::TTimer(this)), trackTimer_(new gui::TTimer(this))
{
    defItemFont_.SetName("Arial");
    defItemFont_.SetHeight(14);
    defItemFont_.SetColor(gui::clBtnText);
    morphTimer_->SetEnabled(false);
    morphTimer_->SetInterval(kMorphInterval);
    morphTimer_->OnTimer = [this](gui::TComponent*) { MorphTimerTick(); };
    trackTimer_->SetEnabled(false);
    trackTimer_->SetInterval(kTrackInterval);
    trackTimer_->OnTimer = [this](gui::TComponent*) { TrackTimerTick(); };
    SetSkinDataName("mainmenubar");
    SetAlign(gui::alTop);
    SetHeight(22);
}

TskSkinMainMenuBar::~TskSkinMainMenuBar()
{
    formHook_.reset();
    morphTimer_->SetEnabled(false);
    trackTimer_->SetEnabled(false);
    FreeObjects();
}

// ---- Properties ----

void TskSkinMainMenuBar::SetDefItemFont(const gui::TFont& value)
{
    defItemFont_.Assign(value);
    if (!skinned_)
        Repaint();
}

void TskSkinMainMenuBar::SetDefaultWidth(int value)
{
    defaultWidth_ = value;
    if (!skinned_ && value > 0)
        SetWidth(value);
}

void TskSkinMainMenuBar::SetDefaultHeight(int value)
{
    defaultHeight_ = value;
    if (!skinned_ && value > 0)
        SetHeight(value);
}

void TskSkinMainMenuBar::SetFormSkinEngine(TskFormSkinEngine* value)
{
    gui::SetReference(*this, formSkinEngine_, value);
    ListenToForm();
}

void TskSkinMainMenuBar::ListenToForm()
{
    formHook_.reset();
    if (!formSkinEngine_ || !formSkinEngine_->Form())
        return;
    // The menus tell the form when they have all closed (a command was chosen,
    // or they were dismissed): a pressed item comes back up and the menu mode
    // ends.
    formHook_ =
        std::make_unique<gui::TWndProcHook>(formSkinEngine_->Form()->WindowProc(), [this](gui::TMessage& message) {
            formHook_->CallNext(message);
            if (message.Msg == WM_CLOSESKINMENUS && menuMode_)
                LeaveMenuMode();
        });
}

void TskSkinMainMenuBar::SetMainMenu(gui::TMainMenu* value)
{
    gui::SetReference(*this, mainMenu_, value);
    BuildObjects();
    Repaint();
}

void TskSkinMainMenuBar::Notification(gui::TComponent* component, gui::TOperation operation)
{
    TskSkinControl::Notification(component, operation);
    if (operation != gui::opRemove)
        return;
    if (component == formSkinEngine_) {
        formSkinEngine_ = nullptr;
        formHook_.reset();
    }
    if (component == mainMenu_) {
        // The items point into the menu's tree: they go with it.
        mainMenu_ = nullptr;
        BuildObjects();
        Invalidate();
        return;
    }
    for (auto& object : objects_)
        if (auto* item = dynamic_cast<TskSkinMainMenuBarItem*>(object.get()); item && item->MenuItem() == component) {
            item->ForgetMenuItem();
            Invalidate();
        }
}

// ---- The engine ----

TskSkinObjectHost* TskSkinMainMenuBar::Engine() const { return formSkinEngine_; }

TskFormSkinEngine* TskSkinMainMenuBar::ChildEngine() const { return GetMaximizedMDIChildSkinForm(); }

bool TskSkinMainMenuBar::EngineMenuOpen() const
{
    return formSkinEngine_ && static_cast<TskSkinObjectHost*>(formSkinEngine_)->SkinMenu().MenusOpen();
}

void TskSkinMainMenuBar::FireMainMenuEnter()
{
    if (formSkinEngine_ && formSkinEngine_->OnMainMenuEnter)
        formSkinEngine_->OnMainMenuEnter(this);
}

void TskSkinMainMenuBar::EnterEngineMenuMode()
{
    TskSkinObjectHost* engine = Engine();
    if (!engine || engine->MainMenuMode())
        return;
    // The bar tells of the menu mode itself, as the sender: the engine's own
    // announcement is held back meanwhile.
    gui::TNotifyEvent announce = std::move(formSkinEngine_->OnMainMenuEnter);
    formSkinEngine_->OnMainMenuEnter = nullptr;
    engine->EnterMainMenuMode();
    formSkinEngine_->OnMainMenuEnter = std::move(announce);
}

void TskSkinMainMenuBar::ExitMainMenu()
{
    // The engine closes the menus and ends its menu mode, so that the keys are
    // the program's again.
    if (formSkinEngine_)
        formSkinEngine_->MainMenuExit();
    LeaveMenuMode();
}

// ---- Skin ----

void TskSkinMainMenuBar::ReadSkinEntry()
{
    TskSkinControl::ReadSkinEntry();
    picture_ = nullptr;
    skinRect_ = itemsRect_ = gui::TRect{};
    menuBarItem_.clear();
    minButton_.clear();
    maxButton_.clear();
    sysMenuButton_.clear();
    closeButton_.clear();
    trackMarkColor_ = trackMarkActiveColor_ = 0;
    if (SkinIndex() == -1)
        return;
    auto* record = dynamic_cast<TskDataSkinMainMenuBar*>(SkinData()->CtrlList[SkinIndex()]);
    if (!record)
        return;
    picture_ = SkinData()->ActivePicture(record->PictureIndex);
    skinRect_ = record->SkinRect;
    itemsRect_ = record->ItemsRect;
    menuBarItem_ = record->MenuBarItem;
    minButton_ = record->MinButton;
    maxButton_ = record->MaxButton;
    sysMenuButton_ = record->SysMenuButton;
    closeButton_ = record->CloseButton;
    trackMarkColor_ = record->TrackMarkColor;
    trackMarkActiveColor_ = record->TrackMarkActiveColor;
}

bool TskSkinMainMenuBar::SkinLook() const { return skinned_ && SkinIndex() != -1; }

void TskSkinMainMenuBar::ApplySkin()
{
    ReadSkinEntry();
    ApplySkinCursor();
    skinned_ = SkinIndex() != -1;
    BuildObjects();
    if (skinned_ && RectHeight(skinRect_) > 0)
        SetHeight(RectHeight(skinRect_));
    else if (defaultHeight_ > 0)
        SetHeight(defaultHeight_);
    Repaint();
}

void TskSkinMainMenuBar::ReleaseSkin()
{
    skinned_ = false;
    TskSkinControl::ReleaseSkin();
    FreeObjects();
}

void TskSkinMainMenuBar::SetBounds(int left, int top, int width, int height)
{
    ReadSkinEntry();
    // A skinned bar is as high as its element.
    if (SkinLook() && RectHeight(skinRect_) > 0)
        height = RectHeight(skinRect_);
    TskSkinControl::SetBounds(left, top, width, height);
    Repaint();
}

// ---- Objects ----

bool TskSkinMainMenuBar::IsItem(int index) const
{
    return index >= 0 && index < ObjectCount() && dynamic_cast<TskSkinMainMenuBarItem*>(Objects(index));
}

TskSkinMainMenuBarItem* TskSkinMainMenuBar::Item(int index) const
{
    return index >= 0 && index < ObjectCount() ? dynamic_cast<TskSkinMainMenuBarItem*>(Objects(index)) : nullptr;
}

int TskSkinMainMenuBar::IndexOfObject(const TskMenuBarObject* object) const
{
    for (int i = 0; i < ObjectCount(); ++i)
        if (Objects(i) == object)
            return i;
    return -1;
}

void TskSkinMainMenuBar::FreeObjects()
{
    for (auto& object : objects_)
        if (auto* item = dynamic_cast<TskSkinMainMenuBarItem*>(object.get()); item && item->MenuItem())
            RemoveFreeNotification(item->MenuItem());
    objects_.clear();
    buttonCount_ = 0;
    hotIndex_ = oldHotIndex_ = pressedIndex_ = -1;
    ++generation_;
}

void TskSkinMainMenuBar::BuildObjects()
{
    ReadSkinEntry();
    FreeObjects();
    if (!mainMenu_)
        return;
    TskDataSkinMainMenuItem* record = nullptr;
    if (SkinData() && !SkinData()->Empty() && !menuBarItem_.empty()) {
        const int index = SkinData()->GetObjectIndex(menuBarItem_);
        if (index != -1)
            record = dynamic_cast<TskDataSkinMainMenuItem*>(SkinData()->ObjectList[index]);
    }
    gui::TMenuItem& items = mainMenu_->Items();
    for (int i = 0; i < items.Count(); ++i) {
        gui::TMenuItem* menuItem = items.Items(i);
        if (!menuItem->Visible())
            continue;
        objects_.push_back(std::make_unique<TskSkinMainMenuBarItem>(this, record, menuItem));
        FreeNotification(menuItem);
    }
    if (mdiButtons_) {
        BuildButtons();
        UpdateButtonStates();
    }
}

// ---- Layout and painting ----

void TskSkinMainMenuBar::LayoutArea()
{
    if (SkinLook())
        itemsArea_ = gui::Rect(itemsRect_.Left, itemsRect_.Top, Width() + itemsRect_.Right - RectWidth(skinRect_),
                               itemsRect_.Bottom);
    else
        itemsArea_ = gui::Rect(2, 2, Width() - 2, Height() - 2);
    if (!mdiButtons_ || buttonCount_ != 4)
        return;
    // The system-menu button at the left end, the other three at the right.
    const int areaHeight = RectHeight(itemsArea_);
    auto place = [this, areaHeight](TskMenuBarObject& button, int x, bool fromRight) {
        auto& b = static_cast<TskSkinMainMenuBarButton&>(button);
        const int w = b.SkinSupport() ? RectWidth(b.SkinRect()) : areaHeight;
        const int h = b.SkinSupport() ? RectHeight(b.SkinRect()) : areaHeight;
        const int top = itemsArea_.Top + areaHeight / 2 - h / 2;
        const int left = fromRight ? x - w : x;
        b.SetObjectRect(gui::Rect(left, top, left + w, top + h));
        return w;
    };
    itemsArea_.Left += place(*Objects(0), itemsArea_.Left, false) + 2;
    for (int i = 1; i < 4; ++i)
        itemsArea_.Right -= place(*Objects(i), itemsArea_.Right, true) + 2;
}

gui::TRect TskSkinMainMenuBar::MarkerRect() const
{
    return gui::Rect(itemsArea_.Right - kMarkerWidth, itemsArea_.Top, itemsArea_.Right, itemsArea_.Bottom);
}

void TskSkinMainMenuBar::DrawMarker(gui::TCanvas& canvas)
{
    gui::TColor colour;
    if (SkinLook())
        colour = markerHot_ ? trackMarkActiveColor_ : trackMarkColor_;
    else
        colour = markerHot_ ? gui::clBtnText : gui::clBtnShadow;
    DrawArrow(canvas, MarkerRect(), colour, kArrowRight);
}

void TskSkinMainMenuBar::PaintBar(HDC dc)
{
    ReadSkinEntry();
    if (Width() <= 0 || Height() <= 0)
        return;
    gui::TBitmap image;
    image.SetSize(Width(), Height());
    if (SkinLook() && picture_ && !picture_->Empty() && !IsNullRect(skinRect_)) {
        MakeHSkinImage(itemsRect_.Left, RectWidth(skinRect_) - itemsRect_.Right, image, *picture_, skinRect_,
                       Width());
        if (image.Height() != Height())
            image.SetSize(Width(), Height());
    } else {
        gui::TCanvas& c = image.Canvas();
        c.Brush().SetStyle(gui::bsSolid);
        c.Brush().SetColor(gui::clBtnFace);
        c.FillRect(gui::Rect(0, 0, Width(), Height()));
    }
    LayoutArea();
    hiddenItems_ = false;
    for (auto& object : objects_)
        if (object->Visible())
            object->Draw(image.Canvas());
    if (hiddenItems_)
        DrawMarker(image.Canvas());
    ::BitBlt(dc, 0, 0, Width(), Height(), image.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TskSkinMainMenuBar::DrawObject(TskMenuBarObject& object)
{
    if (!HandleAllocated() || !Visible())
        return;
    win::WindowDC dc(Handle());
    if (!dc)
        return;
    gui::TCanvas canvas(dc.Get());
    object.Draw(canvas);
}

void TskSkinMainMenuBar::StartMorphTimer() { morphTimer_->SetEnabled(true); }

void TskSkinMainMenuBar::MorphTimerTick()
{
    bool running = false;
    for (size_t i = 0; i < objects_.size(); ++i) {
        TskMenuBarObject& object = *objects_[i];
        if (!object.Morphing() || !object.MorphRunning())
            continue;
        object.MorphStep();
        running = true;
    }
    if (!running)
        morphTimer_->SetEnabled(false);
}

// ---- Messages and the mouse ----

void TskSkinMainMenuBar::WndProc(gui::TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
        PaintBar(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
    case WM_SIZE:
        TskSkinControl::WndProc(message);
        LayoutArea();
        return;
    case gui::CM_MOUSEENTER:
        TskSkinControl::WndProc(message);
        trackTimer_->SetEnabled(true);
        return;
    case gui::CM_MOUSELEAVE:
        TskSkinControl::WndProc(message);
        trackTimer_->SetEnabled(false);
        Track(-1, -1);
        return;
    case WM_CLOSESKINMENUS:
        CloseSkinMenus();
        return;
    default:
        TskSkinControl::WndProc(message);
    }
}

void TskSkinMainMenuBar::TrackTimerTick()
{
    POINT cursor;
    if (!HandleAllocated() || !::GetCursorPos(&cursor))
        return;
    const gui::TPoint p = ScreenToClient(gui::Point(cursor.x, cursor.y));
    if (p.X < 0 || p.Y < 0 || p.X > Width() || p.Y > Height()) {
        trackTimer_->SetEnabled(false);
        Track(-1, -1);
        return;
    }
    Track(p.X, p.Y);
}

void TskSkinMainMenuBar::Track(int x, int y)
{
    const gui::TPoint p = gui::Point(x, y);
    int candidate = -1;
    for (int i = 0; i < ObjectCount(); ++i) {
        const TskMenuBarObject& object = *Objects(i);
        if (object.Enabled() && object.Visible() && IsPointInRect(object.ObjectRect(), p) &&
            p.X < object.ObjectRect().Right && p.Y < object.ObjectRect().Bottom) {
            candidate = i;
            break;
        }
    }
    int hot = candidate;
    // Off the bar, an item whose menu is open stays highlighted.
    if (candidate == -1 && IsItem(hotIndex_) && menuMode_)
        hot = hotIndex_;
    if (pressedIndex_ != -1 && hot != pressedIndex_)
        hot = -1;
    if (hot != hotIndex_) {
        oldHotIndex_ = hotIndex_;
        hotIndex_ = hot;
        const unsigned generation = generation_;
        if (oldHotIndex_ >= 0 && oldHotIndex_ < ObjectCount() && Objects(oldHotIndex_)->Enabled())
            Objects(oldHotIndex_)->MouseLeave();
        if (generation == generation_ && hotIndex_ >= 0 && hotIndex_ < ObjectCount() && Objects(hotIndex_)->Enabled())
            Objects(hotIndex_)->MouseEnter();
    }
    if (hiddenItems_) {
        const gui::TRect marker = MarkerRect();
        const bool in = x >= marker.Left && x < marker.Right && y >= marker.Top && y < marker.Bottom;
        if (in != markerHot_) {
            markerHot_ = in;
            if (HandleAllocated()) {
                win::WindowDC dc(Handle());
                gui::TCanvas canvas(dc.Get());
                DrawMarker(canvas);
            }
        }
    }
}

void TskSkinMainMenuBar::MouseDown(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    TskSkinControl::MouseDown(button, shift, x, y);
    Track(x, y);
    if (hotIndex_ >= 0 && hotIndex_ < ObjectCount()) {
        pressedIndex_ = hotIndex_;
        TskMenuBarObject& object = *Objects(pressedIndex_);
        const unsigned generation = generation_;
        object.MouseDown(x, y, button);
        if (generation == generation_ && shift.Contains(gui::ssDouble))
            object.DblClick();
        return;
    }
    const gui::TRect marker = MarkerRect();
    if (hiddenItems_ && x >= marker.Left && x < marker.Right && y >= marker.Top && y < marker.Bottom)
        OpenHiddenItems();
}

void TskSkinMainMenuBar::MouseMove(gui::TShiftState shift, int x, int y)
{
    TskSkinControl::MouseMove(shift, x, y);
    trackTimer_->SetEnabled(true);
    Track(x, y);
}

void TskSkinMainMenuBar::MouseUp(gui::TMouseButton button, gui::TShiftState shift, int x, int y)
{
    TskSkinControl::MouseUp(button, shift, x, y);
    const int pressed = pressedIndex_;
    pressedIndex_ = -1;
    if (pressed >= 0 && pressed < ObjectCount())
        Objects(pressed)->MouseUp(x, y, button);
}

void TskSkinMainMenuBar::OpenHiddenItems()
{
    TskSkinObjectHost* engine = Engine();
    if (!engine || !mainMenu_)
        return;
    // The menu lists the items from the first one that is not shown; the menu
    // counts every item, also those left out of the bar as invisible.
    int start = -1;
    for (int i = 0; i < ObjectCount() && start == -1; ++i)
        if (TskSkinMainMenuBarItem* item = Item(i); item && !item->Shown() && item->MenuItem())
            start = item->MenuItem()->MenuIndex();
    if (start == -1)
        return;
    const gui::TRect marker = MarkerRect();
    const gui::TPoint topLeft = ClientToScreen(gui::Point(marker.Left, marker.Top));
    const gui::TPoint bottomRight = ClientToScreen(gui::Point(marker.Right, marker.Bottom));
    engine->SkinMenuOpen();
    engine->SkinMenu().Popup(nullptr, SkinData(), start, gui::Rect(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y),
                             &mainMenu_->Items(), false);
}

void TskSkinMainMenuBar::CloseSkinMenus()
{
    for (int i = 0; i < buttonCount_ && i < ObjectCount(); ++i) {
        auto* button = dynamic_cast<TskSkinMainMenuBarButton*>(Objects(i));
        if (!button || button->Command() != TskSkinMainMenuBarButton::cbSysMenu || !button->Down())
            continue;
        button->MenuClosed(i == hotIndex_);
    }
}

}  // namespace sk
