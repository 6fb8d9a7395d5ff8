// Components: ownership, notifications that clear references, loading.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/core/component.h"
#include "gui/core/exceptions.h"

using namespace gui;

namespace {

// Records what it is told and drops a reference when its target goes away.
class Watcher : public TComponent {
public:
    Watcher(TComponent* owner, std::vector<std::string>* log, std::string name)
        : TComponent(owner), log_(log)
    {
        SetName(std::move(name));
    }
    ~Watcher() override
    {
        if (log_)
            log_->push_back("destroy " + Name());
    }

    TComponent* target = nullptr;
    std::vector<std::string>* log_;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove && component == target)
            target = nullptr;
    }
    void Loaded() override
    {
        TComponent::Loaded();
        log_->push_back("loaded " + Name());
    }
};

}  // namespace

TEST(Component, OwnerDestroysItsComponentsLastCreatedFirst)
{
    std::vector<std::string> log;
    auto* owner = new Watcher(nullptr, &log, "owner");
    new Watcher(owner, &log, "a");
    auto* b = new Watcher(owner, &log, "b");
    new Watcher(b, &log, "b1");
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(owner->Components(1), b);
    EXPECT_THROW(owner->Components(2), EListError);
    delete owner;
    EXPECT_EQ(log, (std::vector<std::string>{"destroy owner", "destroy b", "destroy b1", "destroy a"}));
}

TEST(Component, SiblingsLoseTheirReferenceToADestroyedComponent)
{
    TComponent form(nullptr);
    auto* holder = new Watcher(&form, nullptr, "holder");
    auto* target = new TComponent(&form);
    holder->target = target;
    delete target;
    EXPECT_EQ(holder->target, nullptr);
    EXPECT_EQ(form.ComponentCount(), 1);
}

TEST(Component, FreeNotificationReachesAcrossOwnersBothWays)
{
    TComponent mainForm(nullptr), otherForm(nullptr);
    auto* skinData = new TComponent(&mainForm);
    auto* control = new Watcher(&otherForm, nullptr, "control");
    control->target = skinData;
    control->FreeNotification(skinData);
    delete skinData;
    EXPECT_EQ(control->target, nullptr);

    // The link goes both ways: destroying the control first leaves the other side
    // nothing stale to call.
    auto* skin2 = new Watcher(&mainForm, nullptr, "skin2");
    auto* control2 = new TComponent(&otherForm);
    skin2->FreeNotification(control2);
    skin2->target = control2;
    delete control2;
    EXPECT_EQ(skin2->target, nullptr);
    delete skin2;  // must not touch control2
}

TEST(Component, RemovingAComponentFromItsOwnerKeepsItAlive)
{
    TComponent a(nullptr), b(nullptr);
    auto* c = new Watcher(&a, nullptr, "c");
    auto* sibling = new Watcher(&a, nullptr, "sibling");
    sibling->target = c;
    b.InsertComponent(c);  // moves it: a's components hear that it left
    EXPECT_EQ(c->Owner(), &b);
    EXPECT_EQ(a.ComponentCount(), 1);
    EXPECT_EQ(sibling->target, nullptr);
    b.RemoveComponent(c);
    EXPECT_EQ(c->Owner(), nullptr);
    delete c;
}

TEST(Component, AHandlerThatDestroysAnotherComponentDoesNotDerail)
{
    class Destroyer : public TComponent {
    public:
        using TComponent::TComponent;
        TComponent* victim = nullptr;

    protected:
        void Notification(TComponent* component, TOperation operation) override
        {
            TComponent::Notification(component, operation);
            if (operation == opRemove && victim) {
                TComponent* v = victim;
                victim = nullptr;
                delete v;
            }
        }
    };
    TComponent owner(nullptr);
    new TComponent(&owner);
    auto* d = new Destroyer(&owner);
    d->victim = new TComponent(&owner);
    new TComponent(&owner);
    delete owner.Components(0);
    EXPECT_EQ(owner.ComponentCount(), 2);
}

TEST(Component, LoadingEndsInCreationOrder)
{
    std::vector<std::string> log;
    Watcher form(nullptr, &log, "form");
    form.BeginLoading();
    auto* first = new Watcher(&form, &log, "first");
    new Watcher(&form, &log, "second");
    EXPECT_TRUE(first->ComponentState().Contains(csLoading));
    form.EndLoading();
    EXPECT_FALSE(first->ComponentState().Contains(csLoading));
    EXPECT_FALSE(form.ComponentState().Contains(csLoading));
    auto* later = new Watcher(&form, &log, "later");
    EXPECT_FALSE(later->ComponentState().Contains(csLoading));
    EXPECT_EQ(log, (std::vector<std::string>{"loaded first", "loaded second", "loaded form"}));
    log.clear();
}

TEST(Component, DestroyingStateReachesOwnedComponents)
{
    class Probe : public TComponent {
    public:
        Probe(TComponent* owner, bool* sawDestroying) : TComponent(owner), saw_(sawDestroying) {}
        ~Probe() override { *saw_ = ComponentState().Contains(csDestroying); }

    private:
        bool* saw_;
    };
    bool saw = false;
    auto* owner = new TComponent(nullptr);
    new Probe(owner, &saw);
    delete owner;
    EXPECT_TRUE(saw);
}
