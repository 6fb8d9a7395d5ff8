#include "gui/controls/action.h"

#include <algorithm>

#include "gui/core/component_reference.h"
#include "gui/core/exceptions.h"
#include "gui/core/string_utils.h"
#include "gui/graphics/image_list.h"

namespace gui {

namespace {

template <typename T>
void Erase(std::vector<T*>& list, const T* item)
{
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

}  // namespace

TCustomAction::TCustomAction(TComponent* owner) : TComponent(owner) {}

TCustomAction::~TCustomAction()
{
    for (TActionLink* link : links_)
        link->action_ = nullptr;
    SetActionList(nullptr);
}

template <typename T>
void TCustomAction::Update(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    Changed();
}

void TCustomAction::SetCaption(const std::string& value) { Update(caption_, value); }
void TCustomAction::SetEnabled(bool value) { Update(enabled_, value); }
void TCustomAction::SetChecked(bool value) { Update(checked_, value); }
void TCustomAction::SetVisible(bool value) { Update(visible_, value); }
void TCustomAction::SetHint(const std::string& value) { Update(hint_, value); }
void TCustomAction::SetImageIndex(int value) { Update(imageIndex_, value); }

void TCustomAction::Changed()
{
    // A client's handler may unlink it (or others) while the list is walked.
    const std::vector<TActionLink*> links = links_;
    for (TActionLink* link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end() && link->onChange_)
            link->onChange_(*this);
}

void TCustomAction::SetActionList(TActionList* value)
{
    if (value == actionList_)
        return;
    if (actionList_) {
        Erase(actionList_->actions_, this);
        RemoveFreeNotification(actionList_);
    }
    actionList_ = value;
    if (value) {
        value->actions_.push_back(this);
        FreeNotification(value);
    }
}

void TCustomAction::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == actionList_)
        actionList_ = nullptr;
}

bool TCustomAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList()
{
    // The actions stay with their owner, outside any list.
    while (!actions_.empty())
        actions_.back()->SetActionList(nullptr);
}

TCustomAction* TActionList::Actions(int index) const
{
    if (index < 0 || index >= ActionCount())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return actions_[size_t(index)];
}

void TActionList::SetImages(TImageList* value)
{
    SetReference(*this, images_, value);
}

void TActionList::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_)
        images_ = nullptr;
}

TActionLink::TActionLink(std::function<void(TCustomAction&)> onChange) : onChange_(std::move(onChange)) {}

TActionLink::~TActionLink() { SetAction(nullptr); }

void TActionLink::SetAction(TCustomAction* value)
{
    if (value == action_)
        return;
    if (action_)
        Erase(action_->links_, this);
    action_ = value;
    if (!value)
        return;
    value->links_.push_back(this);
    if (onChange_)
        onChange_(*value);
}

bool TActionLink::Execute() { return action_ && action_->Execute(); }

}  // namespace gui
