#include "gui/core/component.h"

#include <algorithm>

#include "gui/core/exceptions.h"
#include "gui/core/string_utils.h"

namespace gui {

namespace {

void Erase(std::vector<TComponent*>& list, TComponent* component)
{
    list.erase(std::remove(list.begin(), list.end(), component), list.end());
}

bool Holds(const std::vector<TComponent*>& list, TComponent* component)
{
    return std::find(list.begin(), list.end(), component) != list.end();
}

}  // namespace

TComponent::TComponent(TComponent* owner)
{
    if (owner) {
        if (owner->state_.Contains(csLoading))
            state_.Include(csLoading);
        owner->InsertComponent(this);
    }
}

TComponent::~TComponent()
{
    MarkDestroying();
    // Linked components first: they may sit on other owners.
    NotifyFreeNotifications();
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::NotifyFreeNotifications()
{
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        Erase(other->freeNotifies_, this);
        other->Notification(this, opRemove);
    }
}

void TComponent::MarkDestroying()
{
    state_.Include(csDestroying);
    for (TComponent* c : components_)
        c->MarkDestroying();
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError("List index out of bounds (" + IntToStr(index) + ")");
    return components_[size_t(index)];
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    const auto& list = owner_->components_;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component->owner_ == this)
        return;
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (!component || component->owner_ != this)
        return;
    Erase(components_, component);
    component->owner_ = nullptr;
    Notification(component, opRemove);
}

void TComponent::DestroyComponents()
{
    while (!components_.empty())
        delete components_.back();  // its destructor takes it out of the list
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (!Holds(freeNotifies_, component))
        freeNotifies_.push_back(component);
    if (!Holds(component->freeNotifies_, this))
        component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    Erase(freeNotifies_, component);
    Erase(component->freeNotifies_, this);
}

void TComponent::BeginLoading() { state_.Include(csLoading); }

void TComponent::EndLoading()
{
    // Loaded may create or destroy components: walk by index over a snapshot and
    // skip those that have gone.
    const std::vector<TComponent*> snapshot = components_;
    for (TComponent* c : snapshot)
        if (Holds(components_, c) && c->state_.Contains(csLoading))
            c->Loaded();
    if (state_.Contains(csLoading))
        Loaded();
}

void TComponent::Loaded() { state_.Exclude(csLoading); }

void TComponent::Notification(TComponent* component, TOperation operation)
{
    NotifyAll(component, operation);
}

void TComponent::NotifyAll(TComponent* component, TOperation operation)
{
    // A handler may destroy components of this list: walk from the end and
    // re-clamp the index after each call.
    size_t i = components_.size();
    while (i > 0) {
        --i;
        if (components_[i] != component)
            components_[i]->Notification(component, operation);
        i = std::min(i, components_.size());
    }
}

}  // namespace gui
