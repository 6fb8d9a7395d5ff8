// Components: objects with an owner that destroys them, a name, a state, and
// notifications that keep references between components from going stale.
//
// A component created with an owner belongs to it and is destroyed with it (last
// created first). When a component goes away, Notification(it, opRemove) reaches
// its owner, every other component of that owner (and theirs, down the ownership
// tree), and every component linked to it through FreeNotification, so each can
// drop its reference. Receivers may compare the pointer but must not call it: the
// component is already being destroyed.
//
// Components with an owner must be made with new. The owner destroys them in its
// TComponent part, after its own members are gone: a descendant whose members the
// owned components still use calls DestroyComponents in its own destructor.
#pragma once

#include <string>
#include <vector>

#include "gui/core/set.h"

namespace gui {

enum TComponentStateFlag { csLoading, csDesigning, csDestroying };
using TComponentState = Set<TComponentStateFlag>;

enum TOperation { opInsert, opRemove };

class TComponent {
public:
    // A component made while its owner is loading is loading too.
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    virtual void SetName(const std::string& name) { name_ = name; }

    int ComponentCount() const { return int(components_.size()); }
    TComponent* Components(int index) const;  // raises EListError outside the list
    int ComponentIndex() const;                // place in the owner's list, or -1
    TComponentState ComponentState() const { return state_; }

    // Moves a component into or out of this owner's list, with notifications.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();

    // Links the two components both ways: whichever is destroyed first notifies
    // the other.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Starts loading; EndLoading calls Loaded on every loading component of this
    // owner in creation order, then on the owner itself.
    void BeginLoading();
    void EndLoading();

protected:
    // Marks this component and those it owns csDestroying. The destructor does it
    // too; a descendant whose destructor still has work that must know (windows to
    // close, children to free) calls it first.
    void Destroying() { MarkDestroying(); }
    // Tells every component linked through FreeNotification that this one goes,
    // and drops the links. The destructor does it too; a descendant whose linked
    // components still use something it is about to free calls it first.
    void NotifyFreeNotifications();
    // Called when loading ends; clears csLoading.
    virtual void Loaded();
    // Passes the notification on to the owned components.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void NotifyAll(TComponent* component, TOperation operation);
    void MarkDestroying();

    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;    // owned, in creation order
    std::vector<TComponent*> freeNotifies_;  // linked both ways
    TComponentState state_;
};

}  // namespace gui
