#include "skin/forms/frame_object_list.h"

#include <algorithm>

#include "gui/controls/form.h"
#include "gui/controls/menu.h"
#include "gui/controls/timer.h"
#include "skin/data/skin_client.h"
#include "skin/forms/form_engine_parts.h"
#include "skin/forms/form_skin_engine.h"
#include "skin/frame/active_skin_objects.h"

namespace sk {

namespace {

using ObjectPtr = TskFrameObjectList::ObjectPtr;

// The frame object a record stands for, or none for records of menus and of no
// frame object. Derived record classes count as their parents; the order of the
// tests decides.
ObjectPtr MakeObject(TskSkinObjectHost* host, TskDataSkinObject* record)
{
    if (dynamic_cast<TskDataSkinMainMenuItem*>(record) || dynamic_cast<TskDataSkinMenuItem*>(record) ||
        dynamic_cast<TskDataSkinMainMenuBarButton*>(record))
        return nullptr;
    if (auto* gauge = dynamic_cast<TskDataSkinGauge*>(record))
        return std::make_unique<TskSkinGaugeObject>(host, gauge);
    if (auto* stdButton = dynamic_cast<TskDataSkinStdButton*>(record))
        return std::make_unique<TskSkinStdButtonObject>(host, stdButton);
    if (auto* button = dynamic_cast<TskDataSkinButton*>(record))
        return std::make_unique<TskSkinButtonObject>(host, button);
    if (auto* caption = dynamic_cast<TskDataSkinCaption*>(record))
        return std::make_unique<TskSkinCaptionObject>(host, caption);
    if (auto* user = dynamic_cast<TskDataUserObject*>(record))
        return std::make_unique<TskUserObject>(host, user);
    if (auto* switchRecord = dynamic_cast<TskDataSkinSwitch*>(record))
        return std::make_unique<TskSkinSwitchObject>(host, switchRecord);
    if (auto* trackBar = dynamic_cast<TskDataSkinTrackBar*>(record))
        return std::make_unique<TskSkinTrackBarObject>(host, trackBar);
    if (auto* label = dynamic_cast<TskDataSkinLabel*>(record))
        return std::make_unique<TskSkinLabelObject>(host, label);
    if (auto* animate = dynamic_cast<TskDataSkinAnimate*>(record))
        return std::make_unique<TskSkinAnimateObject>(host, animate);
    if (auto* bitLabel = dynamic_cast<TskDataSkinBitLabel*>(record))
        return std::make_unique<TskSkinBitLabelObject>(host, bitLabel);
    if (auto* regulator = dynamic_cast<TskDataSkinFrameRegulatorObject*>(record))
        return std::make_unique<TskSkinFrameRegulatorObject>(host, regulator);
    if (auto* frameGauge = dynamic_cast<TskDataSkinFrameGaugeObject*>(record))
        return std::make_unique<TskSkinFrameGaugeObject>(host, frameGauge);
    return nullptr;
}

TskSkinStdButtonObject* AsStdButton(TskActiveSkinObject* object)
{
    return dynamic_cast<TskSkinStdButtonObject*>(object);
}

gui::TTimer* MakeTimer(gui::TComponent* owner, UINT interval, std::function<void()> tick)
{
    auto* timer = new gui::TTimer(owner);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->OnTimer = [tick](gui::TComponent*) { tick(); };
    return timer;
}

// Moves one edge of an object's place.
void SetRectEdge(TskActiveSkinObject& object, int gui::TRect::*edge, int value)
{
    gui::TRect place = object.ObjectRect();
    place.*edge = value;
    object.SetObjectRect(place);
}

// The border icon that a caption button's command needs, if any.
bool IconOfCommand(TskStdCommand command, TskBorderIcon& icon)
{
    switch (command) {
    case cmRollUp: icon = biRollUp; return true;
    case cmMaximize: icon = biMaximize; return true;
    case cmMinimize: icon = biMinimize; return true;
    case cmSysMenu: icon = biSystemMenu; return true;
    default: return false;
    }
}

}  // namespace

TskFrameObjectList::TskFrameObjectList(TskEngineParts& parts) : parts_(parts)
{
    gui::TComponent* owner = &parts.Engine();
    morphTimer_ = MakeTimer(owner, 20, [this] { MorphTimerTick(); });
    mouseTimer_ = MakeTimer(owner, 50, [this] { MouseTimerTick(); });
    animationTimer_ = MakeTimer(owner, 25, [this] { AnimationTimerTick(); });
}

TskFrameObjectList::~TskFrameObjectList() = default;

// ---- Making and clearing ----

void TskFrameObjectList::Build()
{
    Clear();
    TskSkinData* skin = parts_.Engine().SkinData();
    for (int i = 0; i < skin->ObjectList.Count(); ++i)
        if (ObjectPtr object = MakeObject(&parts_.Engine(), skin->ObjectList[i]))
            objects_.push_back(std::move(object));
    AddMainMenuItems();
}

void TskFrameObjectList::AddMainMenuItems()
{
    gui::TMainMenu* mainMenu = parts_.Engine().MainMenu();
    TskSkinData* skin = parts_.Engine().SkinData();
    if (!mainMenu || !skin)
        return;
    const int index = skin->GetObjectIndex("MAINMENUITEM");
    if (index < 0)
        return;
    auto* record = dynamic_cast<TskDataSkinMainMenuItem*>(skin->ObjectList[index]);
    if (!record)
        return;
    gui::TMenuItem& items = mainMenu->Items();
    for (int i = 0; i < items.Count(); ++i) {
        gui::TMenuItem* item = items.Items(i);
        if (!item->Visible())
            continue;
        auto object = std::make_unique<TskSkinMainMenuItem>(&parts_.Engine(), record, item);
        object->SetIDName(item->Name());
        object->SetEnabled(item->Enabled());
        objects_.push_back(std::move(object));
    }
}

void TskFrameObjectList::ReplaceMainMenuItems()
{
    ResetHover();
    objects_.erase(std::remove_if(objects_.begin(), objects_.end(),
                                  [](const ObjectPtr& o) { return dynamic_cast<TskSkinMainMenuItem*>(o.get()); }),
                   objects_.end());
    AddMainMenuItems();
}

bool TskFrameObjectList::HasMainMenuItems() const
{
    return std::any_of(objects_.begin(), objects_.end(),
                       [](const ObjectPtr& o) { return dynamic_cast<TskSkinMainMenuItem*>(o.get()) != nullptr; });
}

TskSkinStdButtonObject* TskFrameObjectList::StdButton(TskStdCommand command) const
{
    for (const auto& object : objects_)
        if (auto* button = AsStdButton(object.get()); button && button->Command() == command)
            return button;
    return nullptr;
}

void TskFrameObjectList::Clear()
{
    objects_.clear();
    areaControls_.clear();
    ResetHover();
}

void TskFrameObjectList::CreateDefaultButtons()
{
    Clear();
    static const struct {
        const char* name;
        TskStdCommand command;
    } buttons[] = {{"closebutton", cmClose},   {"maxbutton", cmMaximize},  {"minbutton", cmMinimize},
                   {"rollupbutton", cmRollUp}, {"sysmenubutton", cmSysMenu}};
    for (const auto& spec : buttons) {
        auto button = std::make_unique<TskSkinStdButtonObject>(&parts_.Engine(), nullptr);
        button->SetIDName(spec.name);
        button->SetCommand(spec.command);
        button->SetSkinRect(gui::Rect(0, 0, 1, 1));
        button->SetObjectRect(button->SkinRect());
        button->SetSkinRectInAPicture(true);
        objects_.push_back(std::move(button));
    }
    ButtonVisibilityPass();
}

// Buttons whose icon the form lacks are disabled; record-less ones and those
// whose look is part of the painted frame picture... stay visible only when the
// picture shows them anyway.
void TskFrameObjectList::ButtonVisibilityPass()
{
    const TskBorderIcons icons = parts_.Engine().BorderIcons();
    TskSkinCaptionObject* mainCaption = nullptr;
    TskSkinCaptionObject* firstCaption = nullptr;
    for (auto& object : objects_) {
        TskBorderIcon icon;
        if (auto* button = AsStdButton(object.get())) {
            if (IconOfCommand(button->Command(), icon) && !icons.Contains(icon)) {
                button->SetEnabled(false);
                button->SetVisible(!button->SkinRectInAPicture());
            }
        } else if (auto* animate = dynamic_cast<TskSkinAnimateObject*>(object.get())) {
            if (animate->ButtonStyle() && IconOfCommand(animate->Command(), icon) && !icons.Contains(icon))
                animate->SetEnabled(false);
        } else if (auto* caption = dynamic_cast<TskSkinCaptionObject*>(object.get())) {
            if (!firstCaption)
                firstCaption = caption;
            if (caption->DefaultCaption() && !mainCaption)
                mainCaption = caption;
        }
    }
    if (!mainCaption && firstCaption) {
        mainCaption = firstCaption;
        mainCaption->SetDefaultCaption(true);
    }
    if (mainCaption)
        mainCaption->StoreCaption(parts_.Form().Caption());
}

void TskFrameObjectList::SetMainCaption(const std::string& text)
{
    for (auto& object : objects_)
        if (auto* caption = dynamic_cast<TskSkinCaptionObject*>(object.get()))
            if (caption->DefaultCaption()) {
                caption->SetCaption(text);
                return;
            }
}

// ---- Placement ----

void TskFrameObjectList::Place()
{
    TskFormSkinEngine& engine = parts_.Engine();
    if (!engine.SkinInUse())
        return;
    TskSkinData& skin = *engine.SkinData();
    const TskFormInfo& info = skin.FormInfo;
    const TskFrameGeometry& geometry = parts_.Frame().Geometry();
    const int pictureWidth = skin.Picture().Width(), pictureHeight = skin.Picture().Height();
    for (auto& object : objects_)
        if (!dynamic_cast<TskSkinMainMenuItem*>(object.get()))
            object->SetObjectRect(MapSkinRect(object->SkinRect(), info, pictureWidth, pictureHeight, geometry.RBPoint));

    const bool inButtonsRect = !IsNullRect(geometry.ButtonsRect);
    const bool inCaptionRect = !inButtonsRect && !IsNullRect(geometry.CaptionRect);
    if (!inButtonsRect && !inCaptionRect)
        return;
    const gui::TRect layout = inButtonsRect ? geometry.ButtonsRect : geometry.CaptionRect;

    // Only the buttons shown whose look the painted picture does not hold take
    // part; record-less buttons count as shown.
    auto button = [this](TskStdCommand command) -> TskSkinStdButtonObject* {
        for (auto& object : objects_)
            if (auto* candidate = AsStdButton(object.get()))
                if (candidate->Command() == command && candidate->Visible() &&
                    (!candidate->HasSkin() || candidate->SkinRectInAPicture()))
                    return candidate;
        return nullptr;
    };
    const bool showIcon = engine.ShowIcon();
    auto sizeOf = [showIcon](TskSkinStdButtonObject* placed, int& width, int& height) {
        width = RectWidth(placed->SkinRect());
        height = RectHeight(placed->SkinRect());
        if (placed->Command() == cmSysMenu && showIcon) {
            const gui::TSize icon = SmallIconSize();
            width = icon.cx;
            height = icon.cy;
        }
    };
    TskSkinCaptionObject* caption = nullptr;
    for (auto& object : objects_)
        if (auto* candidate = dynamic_cast<TskSkinCaptionObject*>(object.get()))
            if (candidate->DefaultCaption()) {
                caption = candidate;
                break;
            }

    static const TskStdCommand order[] = {cmClose, cmMaximize, cmMinimize, cmRollUp};
    TskSkinStdButtonObject* sysMenu = button(cmSysMenu);
    int width = 0, height = 0;
    if (!geometry.ButtonsInLeft) {
        int x = layout.Right;
        const int y = layout.Top;
        TskSkinStdButtonObject* last = nullptr;
        for (TskStdCommand command : order)
            if (TskSkinStdButtonObject* placed = button(command)) {
                sizeOf(placed, width, height);
                placed->SetObjectRect(gui::Rect(x - width, y, x, y + height));
                x -= width + geometry.ButtonsOffset;
                last = placed;
            }
        if (inCaptionRect && caption && last)
            SetRectEdge(*caption, &gui::TRect::Right, last->ObjectRect().Left);
        if (sysMenu) {
            sizeOf(sysMenu, width, height);
            const gui::TRect& captionRect = geometry.CaptionRect;
            const int top = captionRect.Top + RectHeight(captionRect) / 2 - height / 2;
            sysMenu->SetObjectRect(gui::Rect(captionRect.Left, top, captionRect.Left + width, top + height));
            if (caption)
                SetRectEdge(*caption, &gui::TRect::Left, sysMenu->ObjectRect().Right);
        }
    } else {
        int x = layout.Left;
        const int y = layout.Top;
        for (TskStdCommand command : order)
            if (TskSkinStdButtonObject* placed = button(command)) {
                sizeOf(placed, width, height);
                placed->SetObjectRect(gui::Rect(x, y, x + width, y + height));
                x += width + geometry.ButtonsOffset;
            }
        if (inCaptionRect) {
            if (sysMenu) {
                sizeOf(sysMenu, width, height);
                sysMenu->SetObjectRect(gui::Rect(x, y, x + width, y + height));
                x += width + geometry.ButtonsOffset;
            }
            if (caption)
                SetRectEdge(*caption, &gui::TRect::Left, x + geometry.ButtonsOffset);
        }
    }
}

bool TskFrameObjectList::ShownInRollState(const TskActiveSkinObject& object) const
{
    if (parts_.Engine().SupportNCArea())
        return !object.RollUp();
    return object.RollUp() == parts_.RollUp().RolledUp();
}

// ---- Activation ----

bool TskFrameObjectList::IsCaption(const TskActiveSkinObject* object)
{
    return dynamic_cast<const TskSkinCaptionObject*>(object) != nullptr;
}

void TskFrameObjectList::UpdateCaptionActive(bool update)
{
    TskFormSkinEngine& engine = parts_.Engine();
    const bool active = engine.FormActive();
    const bool ncArea = engine.SupportNCArea();
    for (auto& object : objects_) {
        if (!IsCaption(object.get()))
            continue;
        if (update) {
            if (!ShownInRollState(*object))
                continue;
            if (!ncArea)
                object->SetActive(active);
            if (!(ncArea && IsNullRect(object->ObjectRect())))
                engine.RedrawObject(*object);
        } else if (object->Morphing()) {
            object->SetMorphFactor(active ? 1 : 0);
        }
    }
    if (active) {
        if (engine.OnActivate)
            engine.OnActivate(&engine);
    } else if (engine.OnDeActivate) {
        engine.OnDeActivate(&engine);
    }
}

// ---- Timers ----

void TskFrameObjectList::StartMorphTimer() { morphTimer_->SetEnabled(true); }

void TskFrameObjectList::StopMorphTimer() { morphTimer_->SetEnabled(false); }

void TskFrameObjectList::StartAnimationTimer() { animationTimer_->SetEnabled(true); }

void TskFrameObjectList::StartMouseTimer() { mouseTimer_->SetEnabled(true); }

void TskFrameObjectList::StopMouseTimer() { mouseTimer_->SetEnabled(false); }

bool TskFrameObjectList::MouseTimerRunning() const { return mouseTimer_->Enabled(); }

void TskFrameObjectList::StopTimers()
{
    morphTimer_->SetEnabled(false);
    mouseTimer_->SetEnabled(false);
    animationTimer_->SetEnabled(false);
}

void TskFrameObjectList::MorphTimerTick()
{
    bool stepped = false;
    for (size_t i = 0; i < objects_.size(); ++i) {
        TskActiveSkinObject& object = *objects_[i];
        if (object.Morphing() && object.MorphInProgress()) {
            object.MorphStep();
            stepped = true;
        }
    }
    if (!stepped)
        morphTimer_->SetEnabled(false);
}

void TskFrameObjectList::AnimationTimerTick()
{
    bool running = false;
    for (size_t i = 0; i < objects_.size(); ++i)
        if (auto* animate = dynamic_cast<TskSkinAnimateObject*>(objects_[i].get()))
            if (animate->Active()) {
                animate->AnimateStep();
                running = true;
            }
    if (!running)
        animationTimer_->SetEnabled(false);
}

// ---- Areas ----

void TskFrameObjectList::AnchorAreaControls()
{
    areaControls_.clear();
    TskFormSkinEngine& engine = parts_.Engine();
    if (!engine.SkinInUse())
        return;
    TskSkinData& skin = *engine.SkinData();
    gui::TForm& form = parts_.Form();
    for (int i = 0; i < form.ControlCount(); ++i) {
        gui::TControl* control = form.Controls(i);
        auto* client = dynamic_cast<TskSkinClient*>(control);
        if (!client || client->AreaName().empty())
            continue;
        const int index = skin.GetAreaIndex(client->AreaName());
        if (index < 0 || IsNullRect(skin.AreaList[index]->AreaRect))
            continue;
        control->SetAlign(gui::alNone);
        areaControls_.push_back({control, skin.AreaList[index]->AreaRect});
    }
}

void TskFrameObjectList::PlaceAreaControls()
{
    TskFormSkinEngine& engine = parts_.Engine();
    if (!engine.SkinInUse())
        return;
    TskSkinData& skin = *engine.SkinData();
    const TskFormInfo& info = skin.FormInfo;
    const bool stretchable = IsStretchableSkin(info);
    const int pictureWidth = skin.Picture().Width(), pictureHeight = skin.Picture().Height();
    const gui::TPoint rightBottom = parts_.Frame().Geometry().RBPoint;
    for (const AreaControl& area : areaControls_) {
        const gui::TRect bounds =
            stretchable ? MapSkinRect(area.rect, info, pictureWidth, pictureHeight, rightBottom) : area.rect;
        area.control->SetBounds(bounds.Left, bounds.Top, RectWidth(bounds), RectHeight(bounds));
    }
}

}  // namespace sk
