// Actions: commands that several controls and menu items share. An action holds
// what its clients show (caption, enabled, hint, picture...) and what they do
// (OnExecute); each client follows it through an action link, which tells the
// client whenever the action changes and drops the action when it goes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gui/controls/events.h"
#include "gui/core/component.h"

namespace gui {

class TActionLink;
class TActionList;
class TImageList;

class TCustomAction : public TComponent {
public:
    explicit TCustomAction(TComponent* owner);
    ~TCustomAction() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    // The picture of the action in its list's Images; -1 none.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);

    TActionList* ActionList() const { return actionList_; }
    void SetActionList(TActionList* value);

    // Runs OnExecute; false when it is not assigned.
    virtual bool Execute();

    TNotifyEvent OnExecute;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TActionLink;
    template <typename T>
    void Update(T& field, const T& value);
    void Changed();

    std::string caption_;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    std::string hint_;
    int imageIndex_ = -1;
    TActionList* actionList_ = nullptr;
    std::vector<TActionLink*> links_;
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
};

// The actions of a form, and the pictures they refer to.
class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* owner);
    ~TActionList() override;

    int ActionCount() const { return int(actions_.size()); }
    TCustomAction* Actions(int index) const;  // raises EListError outside the list
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* value);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TCustomAction;
    std::vector<TCustomAction*> actions_;
    TImageList* images_ = nullptr;
};

// A client's hold on an action: OnChange runs when the action is linked and on
// every change of it; the link lets go of an action that is destroyed.
class TActionLink {
public:
    explicit TActionLink(std::function<void(TCustomAction& action)> onChange);
    ~TActionLink();
    TActionLink(const TActionLink&) = delete;
    TActionLink& operator=(const TActionLink&) = delete;

    TCustomAction* Action() const { return action_; }
    void SetAction(TCustomAction* value);
    // Executes the linked action; false without one.
    bool Execute();

private:
    friend class TCustomAction;
    TCustomAction* action_ = nullptr;
    std::function<void(TCustomAction&)> onChange_;
};

}  // namespace gui
