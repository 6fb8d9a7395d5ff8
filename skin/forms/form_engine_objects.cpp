// The live objects of the frame: made from the skin's object records, placed for
// the form's size, found under the mouse, handed the mouse, and stepped by the
// engine's timers.
#include <algorithm>

#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/controls/timer.h"
#include "gui/controls/win_control.h"
#include "skin/data/skin_client.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_objects.h"
#include "skin/popups/skin_hint.h"

namespace sk {

namespace {

using ObjectPtr = std::unique_ptr<TskActiveSkinObject>;

// The frame object a record stands for, or none for records of menus and of no
// frame object. Derived record classes count as their parents; the order of the
// tests decides.
ObjectPtr MakeObject(TskSkinObjectHost* host, TskDataSkinObject* record)
{
    if (dynamic_cast<TskDataSkinMainMenuItem*>(record) || dynamic_cast<TskDataSkinMenuItem*>(record) ||
        dynamic_cast<TskDataSkinMainMenuBarButton*>(record))
        return nullptr;
    if (auto* r = dynamic_cast<TskDataSkinGauge*>(record))
        return std::make_unique<TskSkinGaugeObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinStdButton*>(record))
        return std::make_unique<TskSkinStdButtonObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinButton*>(record))
        return std::make_unique<TskSkinButtonObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinCaption*>(record))
        return std::make_unique<TskSkinCaptionObject>(host, r);
    if (auto* r = dynamic_cast<TskDataUserObject*>(record))
        return std::make_unique<TskUserObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinSwitch*>(record))
        return std::make_unique<TskSkinSwitchObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinTrackBar*>(record))
        return std::make_unique<TskSkinTrackBarObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinLabel*>(record))
        return std::make_unique<TskSkinLabelObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinAnimate*>(record))
        return std::make_unique<TskSkinAnimateObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinBitLabel*>(record))
        return std::make_unique<TskSkinBitLabelObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinFrameRegulatorObject*>(record))
        return std::make_unique<TskSkinFrameRegulatorObject>(host, r);
    if (auto* r = dynamic_cast<TskDataSkinFrameGaugeObject*>(record))
        return std::make_unique<TskSkinFrameGaugeObject>(host, r);
    return nullptr;
}

TskSkinStdButtonObject* AsStdButton(TskActiveSkinObject* object)
{
    return dynamic_cast<TskSkinStdButtonObject*>(object);
}

int Width(const gui::TRect& r) { return r.Right - r.Left; }
int Height(const gui::TRect& r) { return r.Bottom - r.Top; }

bool Contains(const gui::TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

}  // namespace

// ---- Making and clearing ----

void TskFormSkinEngine::BuildSkinObjects()
{
    ClearSkinObjects();
    for (int i = 0; i < skinData_->ObjectList.Count(); ++i)
        if (ObjectPtr object = MakeObject(this, skinData_->ObjectList[i]))
            objects_.push_back(std::move(object));
    AddMainMenuItems();
}

void TskFormSkinEngine::AddMainMenuItems()
{
    if (!mainMenu_ || !skinData_)
        return;
    const int index = skinData_->GetObjectIndex("MAINMENUITEM");
    if (index < 0)
        return;
    auto* record = dynamic_cast<TskDataSkinMainMenuItem*>(skinData_->ObjectList[index]);
    if (!record)
        return;
    gui::TMenuItem& items = mainMenu_->Items();
    for (int i = 0; i < items.Count(); ++i) {
        gui::TMenuItem* item = items.Items(i);
        if (!item->Visible())
            continue;
        auto object = std::make_unique<TskSkinMainMenuItem>(this, record, item);
        object->IDName = item->Name();
        object->Enabled = item->Enabled();
        objects_.push_back(std::move(object));
    }
}

void TskFormSkinEngine::SetMainMenu(gui::TMainMenu* value)
{
    if (mainMenu_ && mainMenu_ != value)
        mainMenu_->RemoveFreeNotification(this);
    mainMenu_ = value;
    if (mainMenu_)
        mainMenu_->FreeNotification(this);
    if (!skinInUse_)
        return;
    hoverIndex_ = oldHoverIndex_ = capturedIndex_ = -1;
    objects_.erase(std::remove_if(objects_.begin(), objects_.end(),
                                  [](const ObjectPtr& o) { return dynamic_cast<TskSkinMainMenuItem*>(o.get()); }),
                   objects_.end());
    AddMainMenuItems();
    if (supportNCArea_) {
        RepaintFrame();
    } else if (form_->HandleAllocated()) {
        const gui::TRect& r = geometry_.MainMenuRect;
        RECT area{r.Left, r.Top, r.Right, r.Bottom};
        ::InvalidateRect(form_->Handle(), &area, TRUE);
    }
}

void TskFormSkinEngine::ClearSkinObjects()
{
    objects_.clear();
    areaControls_.clear();
    hoverIndex_ = oldHoverIndex_ = capturedIndex_ = -1;
}

void TskFormSkinEngine::CreateDefaultButtons()
{
    ClearSkinObjects();
    static const struct {
        const char* name;
        TskStdCommand command;
    } buttons[] = {{"closebutton", cmClose},   {"maxbutton", cmMaximize},  {"minbutton", cmMinimize},
                   {"rollupbutton", cmRollUp}, {"sysmenubutton", cmSysMenu}};
    for (const auto& b : buttons) {
        auto button = std::make_unique<TskSkinStdButtonObject>(this, nullptr);
        button->IDName = b.name;
        button->Command = b.command;
        button->SkinRect = gui::Rect(0, 0, 1, 1);
        button->ObjectRect = button->SkinRect;
        button->SkinRectInAPicture = true;
        objects_.push_back(std::move(button));
    }
    ButtonVisibilityPass();
}

// Buttons whose icon the form lacks are disabled; record-less ones and those
// whose look is part of the painted frame picture... stay visible only when the
// picture shows them anyway.
void TskFormSkinEngine::ButtonVisibilityPass()
{
    auto iconOf = [](TskStdCommand command, TskBorderIcon& icon) {
        switch (command) {
        case cmRollUp: icon = biRollUp; return true;
        case cmMaximize: icon = biMaximize; return true;
        case cmMinimize: icon = biMinimize; return true;
        case cmSysMenu: icon = biSystemMenu; return true;
        default: return false;
        }
    };
    TskSkinCaptionObject* mainCaption = nullptr;
    TskSkinCaptionObject* firstCaption = nullptr;
    for (auto& object : objects_) {
        TskBorderIcon icon;
        if (auto* button = AsStdButton(object.get())) {
            if (iconOf(button->Command, icon) && !borderIcons_.Contains(icon)) {
                button->Enabled = false;
                button->Visible = !button->SkinRectInAPicture;
            }
        } else if (auto* animate = dynamic_cast<TskSkinAnimateObject*>(object.get())) {
            if (animate->ButtonStyle && iconOf(animate->Command, icon) && !borderIcons_.Contains(icon))
                animate->Enabled = false;
        } else if (auto* caption = dynamic_cast<TskSkinCaptionObject*>(object.get())) {
            if (!firstCaption)
                firstCaption = caption;
            if (caption->DefaultCaption && !mainCaption)
                mainCaption = caption;
        }
    }
    if (!mainCaption && firstCaption) {
        mainCaption = firstCaption;
        mainCaption->DefaultCaption = true;
    }
    if (mainCaption)
        mainCaption->Caption = form_->Caption();
}

void TskFormSkinEngine::SetMainCaption(const std::string& text)
{
    for (auto& object : objects_)
        if (auto* caption = dynamic_cast<TskSkinCaptionObject*>(object.get()))
            if (caption->DefaultCaption) {
                caption->SetCaption(text);
                return;
            }
}

// ---- Placement ----

void TskFormSkinEngine::PlaceObjects()
{
    if (!skinInUse_)
        return;
    const TskFormInfo& info = skinData_->FormInfo;
    const int pw = skinData_->Picture().Width(), ph = skinData_->Picture().Height();
    for (auto& object : objects_)
        if (!dynamic_cast<TskSkinMainMenuItem*>(object.get()))
            object->ObjectRect = MapSkinRect(object->SkinRect, info, pw, ph, geometry_.RBPoint);

    const TskFrameGeometry& g = geometry_;
    const bool inButtonsRect = !IsNullRect(g.ButtonsRect);
    const bool inCaptionRect = !inButtonsRect && !IsNullRect(g.CaptionRect);
    if (!inButtonsRect && !inCaptionRect)
        return;
    const gui::TRect layout = inButtonsRect ? g.ButtonsRect : g.CaptionRect;

    auto button = [this](TskStdCommand command) -> TskSkinStdButtonObject* {
        for (auto& object : objects_)
            if (auto* b = AsStdButton(object.get()))
                if (b->Command == command && b->Visible && (!b->HasSkin || b->SkinRectInAPicture))
                    return b;
        return nullptr;
    };
    auto sizeOf = [this](TskSkinStdButtonObject* b, int& w, int& h) {
        w = Width(b->SkinRect);
        h = Height(b->SkinRect);
        if (b->Command == cmSysMenu && showIcon_) {
            const gui::TSize icon = SmallIconSize();
            w = icon.cx;
            h = icon.cy;
        }
    };
    TskSkinCaptionObject* caption = nullptr;
    for (auto& object : objects_)
        if (auto* c = dynamic_cast<TskSkinCaptionObject*>(object.get()))
            if (c->DefaultCaption) {
                caption = c;
                break;
            }

    static const TskStdCommand order[] = {cmClose, cmMaximize, cmMinimize, cmRollUp};
    TskSkinStdButtonObject* sysMenu = button(cmSysMenu);
    int w = 0, h = 0;
    if (!g.ButtonsInLeft) {
        int x = layout.Right;
        const int y = layout.Top;
        TskSkinStdButtonObject* last = nullptr;
        for (TskStdCommand command : order)
            if (TskSkinStdButtonObject* b = button(command)) {
                sizeOf(b, w, h);
                b->ObjectRect = gui::Rect(x - w, y, x, y + h);
                x -= w + g.ButtonsOffset;
                last = b;
            }
        if (inCaptionRect && caption && last)
            caption->ObjectRect.Right = last->ObjectRect.Left;
        if (sysMenu) {
            sizeOf(sysMenu, w, h);
            const gui::TRect& c = g.CaptionRect;
            const int top = c.Top + Height(c) / 2 - h / 2;
            sysMenu->ObjectRect = gui::Rect(c.Left, top, c.Left + w, top + h);
            if (caption)
                caption->ObjectRect.Left = sysMenu->ObjectRect.Right;
        }
    } else {
        int x = layout.Left;
        const int y = layout.Top;
        for (TskStdCommand command : order)
            if (TskSkinStdButtonObject* b = button(command)) {
                sizeOf(b, w, h);
                b->ObjectRect = gui::Rect(x, y, x + w, y + h);
                x += w + g.ButtonsOffset;
            }
        if (inCaptionRect) {
            if (sysMenu) {
                sizeOf(sysMenu, w, h);
                sysMenu->ObjectRect = gui::Rect(x, y, x + w, y + h);
                x += w + g.ButtonsOffset;
            }
            if (caption)
                caption->ObjectRect.Left = x + g.ButtonsOffset;
        }
    }
}

bool TskFormSkinEngine::ShownInRollState(const TskActiveSkinObject& object) const
{
    if (supportNCArea_)
        return !object.RollUp;
    return object.RollUp == rolledUp_;
}

// ---- Tracking and the mouse ----

bool TskFormSkinEngine::IsCaptionObject(const TskActiveSkinObject* object) const
{
    return dynamic_cast<const TskSkinCaptionObject*>(object) != nullptr;
}

bool TskFormSkinEngine::OnCaptionObject(int X, int Y) const
{
    for (const auto& object : objects_)
        if (IsCaptionObject(object.get()) && object->Visible && ShownInRollState(*object) &&
            Contains(object->ObjectRect, X, Y))
            return true;
    return false;
}

void TskFormSkinEngine::TrackObjects(int X, int Y, bool Allow)
{
    if (objects_.empty() || !(FormActive() || !supportNCArea_))
        return;
    oldHoverIndex_ = hoverIndex_;
    int found = -1;
    for (size_t i = 0; i < objects_.size(); ++i) {
        const TskActiveSkinObject& o = *objects_[i];
        if (ShownInRollState(o) && o.Enabled && o.Visible && Contains(o.ObjectRect, X, Y)) {
            found = int(i);
            break;
        }
    }
    hoverIndex_ = Allow ? found : -1;
    if (capturedIndex_ >= 0 && hoverIndex_ != capturedIndex_)
        hoverIndex_ = -1;
    if (hoverIndex_ == oldHoverIndex_)
        return;
    if (oldHoverIndex_ >= 0 && oldHoverIndex_ < int(objects_.size())) {
        TskActiveSkinObject& old = *objects_[size_t(oldHoverIndex_)];
        if (old.Enabled && old.Visible) {
            old.MouseLeave();
            if (showObjectHint_ && skinHint_ && !old.Hint.empty())
                skinHint_->HideObjectHint();
        }
    }
    if (hoverIndex_ >= 0) {
        TskActiveSkinObject& now = *objects_[size_t(hoverIndex_)];
        if (now.Enabled && now.Visible) {
            now.MouseEnter();
            if (FormActive() && showObjectHint_ && skinHint_ && !now.Hint.empty())
                skinHint_->ShowObjectHint(now.Hint);
        }
    }
}

void TskFormSkinEngine::ClearHover()
{
    if (hoverIndex_ < 0)
        return;
    // An allow flag of false clears the hover whatever lies at the point.
    TrackObjects(-1, -1, false);
    hoverIndex_ = -1;
}

void TskFormSkinEngine::ObjectMouseDown(gui::TMouseButton Button, int X, int Y)
{
    if (!supportNCArea_) {
        EndFormDrag();
        TrackObjects(X, Y, true);
    }
    if (hoverIndex_ >= 0 && hoverIndex_ < int(objects_.size())) {
        TskActiveSkinObject* object = objects_[size_t(hoverIndex_)].get();
        if (supportNCArea_ && !IsCaptionObject(object) && form_->HandleAllocated())
            ::SetCapture(form_->Handle());
        capturedIndex_ = hoverIndex_;
        object->MouseDown(X, Y, Button);
    } else if (!supportNCArea_ && Button == gui::mbLeft && draggAble_ && windowState_ != wsMaximized) {
        StartFormDrag(X, Y);
    }
}

void TskFormSkinEngine::ObjectMouseUp(gui::TMouseButton Button, int X, int Y)
{
    if (!supportNCArea_)
        EndFormDrag();
    if (capturedIndex_ < 0 || capturedIndex_ >= int(objects_.size()))
        return;
    TskActiveSkinObject* object = objects_[size_t(capturedIndex_)].get();
    if (supportNCArea_ && !IsCaptionObject(object) && form_->HandleAllocated() &&
        ::GetCapture() == form_->Handle())
        ::ReleaseCapture();
    capturedIndex_ = -1;
    object->MouseUp(X, Y, Button);
}

void TskFormSkinEngine::ObjectMouseMove(int X, int Y)
{
    if (!supportNCArea_ && dragging_)
        return;
    int index = capturedIndex_ >= 0 ? capturedIndex_ : hoverIndex_;
    if (index >= 0 && index < int(objects_.size()))
        objects_[size_t(index)]->MouseMove(X, Y);
}

void TskFormSkinEngine::ObjectDblClick()
{
    if (hoverIndex_ >= 0 && hoverIndex_ < int(objects_.size()))
        objects_[size_t(hoverIndex_)]->DblClick();
}

// ---- Activation ----

void TskFormSkinEngine::UpdateCaptionActive(bool Update)
{
    const bool active = FormActive();
    for (auto& object : objects_) {
        if (!IsCaptionObject(object.get()))
            continue;
        if (Update) {
            if (!ShownInRollState(*object))
                continue;
            if (!supportNCArea_)
                object->Active = active;
            if (!(supportNCArea_ && IsNullRect(object->ObjectRect)))
                RedrawObject(*object);
        } else if (object->Morphing) {
            object->MorphFactor = active ? 1 : 0;
        }
    }
    if (active) {
        if (OnActivate)
            OnActivate(this);
    } else if (OnDeActivate) {
        OnDeActivate(this);
    }
}

// ---- Timers ----

void TskFormSkinEngine::MorphTimerTick()
{
    bool stepped = false;
    for (size_t i = 0; i < objects_.size(); ++i) {
        TskActiveSkinObject& o = *objects_[i];
        if (o.Morphing && o.MorphInProgress()) {
            o.MorphStep();
            stepped = true;
        }
    }
    if (!stepped)
        morphTimer_->SetEnabled(false);
}

void TskFormSkinEngine::AnimationTimerTick()
{
    bool running = false;
    for (size_t i = 0; i < objects_.size(); ++i)
        if (auto* animate = dynamic_cast<TskSkinAnimateObject*>(objects_[i].get()))
            if (animate->Active) {
                animate->AnimateStep();
                running = true;
            }
    if (!running)
        animationTimer_->SetEnabled(false);
}

void TskFormSkinEngine::MouseTimerTick()
{
    if (!form_->HandleAllocated()) {
        mouseTimer_->SetEnabled(false);
        return;
    }
    const HWND window = form_->Handle();
    POINT cursor;
    ::GetCursorPos(&cursor);
    const bool overForm = ::WindowFromPoint(cursor) == window;
    if (supportNCArea_) {
        if (overForm) {
            if (inSizeMove_)
                return;
            const gui::TPoint p = ScreenToFrame(gui::Point(cursor.x, cursor.y));
            if (!Contains(geometry_.ClientRect, p.X, p.Y) || !skinInUse_)
                TrackObjects(p.X, p.Y, true);
            else if (hoverIndex_ >= 0)
                ClearHover();
        } else {
            ClearHover();
            mouseTimer_->SetEnabled(false);
        }
        return;
    }
    if (!skinInUse_)
        return;
    if (dragging_) {
        DragStep();
    } else if (overForm) {
        const gui::TPoint p = form_->ScreenToClient(gui::Point(cursor.x, cursor.y));
        TrackObjects(p.X, p.Y, true);
    } else {
        ClearHover();
        clientTracking_ = false;
        mouseTimer_->SetEnabled(false);
    }
    if (useSkinCursors_)
        ApplySkinCursor();
}

void TskFormSkinEngine::DragStep()
{
    POINT cursor;
    ::GetCursorPos(&cursor);
    if (cursor.x == lastCursor_.X && cursor.y == lastCursor_.Y)
        return;
    // From where the drag began, not from the last snapped place: a snap may
    // not swallow the movements smaller than its distance.
    int left = moveStartBounds_.Left + cursor.x - moveStartCursor_.X;
    int top = moveStartBounds_.Top + cursor.y - moveStartCursor_.Y;
    lastCursor_ = gui::Point(cursor.x, cursor.y);
    if (magnetic_)
        MagneticMove(left, top, form_->Height(), form_->Width());
    form_->SetBounds(left, top, form_->Width(), form_->Height());
}

void TskFormSkinEngine::ApplySkinCursor()
{
    int index = skinData_->FormInfo.CursorIndex;
    if (hoverIndex_ >= 0 && hoverIndex_ < int(objects_.size()))
        index = objects_[size_t(hoverIndex_)]->CursorIndex;
    const gui::TCursor cursor = index < 0 ? gui::TCursor(0) : gui::TCursor(index + skinData_->StartCursorIndex);
    if (form_->Cursor() != cursor)
        form_->SetCursor(cursor);
}

// ---- Areas ----

void TskFormSkinEngine::AnchorAreaControls()
{
    areaControls_.clear();
    if (!skinInUse_)
        return;
    for (int i = 0; i < form_->ControlCount(); ++i) {
        gui::TControl* control = form_->Controls(i);
        auto* client = dynamic_cast<TskSkinClient*>(control);
        if (!client || client->AreaName().empty())
            continue;
        const int index = skinData_->GetAreaIndex(client->AreaName());
        if (index < 0 || IsNullRect(skinData_->AreaList[index]->AreaRect))
            continue;
        control->SetAlign(gui::alNone);
        areaControls_.push_back({control, skinData_->AreaList[index]->AreaRect});
    }
}

void TskFormSkinEngine::PlaceAreaControls()
{
    if (!skinInUse_)
        return;
    const TskFormInfo& info = skinData_->FormInfo;
    const bool stretchable = IsStretchableSkin(info);
    const int pw = skinData_->Picture().Width(), ph = skinData_->Picture().Height();
    for (const AreaControl& area : areaControls_) {
        const gui::TRect r = stretchable ? MapSkinRect(area.rect, info, pw, ph, geometry_.RBPoint) : area.rect;
        area.control->SetBounds(r.Left, r.Top, Width(r), Height(r));
    }
}

// ---- Skin changes of the controls ----

void TskFormSkinEngine::WalkSkinControls(TskSkinData* skin, bool Apply)
{
    // The skin data tells every control this walk did not reach itself.
    auto reached = [skin](gui::TControl* control) {
        if (skin)
            skin->ClientReached(*control);
    };
    std::function<void(gui::TControl*)> visit = [&](gui::TControl* control) {
        auto* client = dynamic_cast<TskSkinClient*>(control);
        if (client && (!skin || client->SkinData() == skin)) {
            reached(control);
            if (Apply)
                client->ApplySkin();
            else
                client->ReleaseSkin();
        }
        if (auto* parent = dynamic_cast<gui::TWinControl*>(control))
            for (int i = 0; i < parent->ControlCount(); ++i)
                visit(parent->Controls(i));
    };
    visit(form_);
}

}  // namespace sk
