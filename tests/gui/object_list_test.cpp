// The owning list: objects are freed when deleted or cleared, not when extracted.
#include <gtest/gtest.h>

#include <memory>

#include "gui/core/exceptions.h"
#include "gui/core/object_list.h"

using namespace gui;

namespace {

struct Counted {
    explicit Counted(int* alive) : alive_(alive) { ++*alive_; }
    ~Counted() { --*alive_; }
    int* alive_;
};

}  // namespace

TEST(ObjectList, OwnsItsObjectsUntilExtracted)
{
    int alive = 0;
    {
        TObjectList<Counted> list;
        list.Add(std::make_unique<Counted>(&alive));
        list.Add(std::make_unique<Counted>(&alive));
        list.Insert(0, std::make_unique<Counted>(&alive));
        list.Insert(3, std::make_unique<Counted>(&alive));
        EXPECT_EQ(alive, 4);
        Counted* second = list[1];
        list.Delete(0);
        EXPECT_EQ(alive, 3);
        EXPECT_EQ(list.IndexOf(second), 0);
        std::unique_ptr<Counted> kept = list.Extract(second);
        EXPECT_EQ(kept.get(), second);
        EXPECT_EQ(list.Count(), 2);
        EXPECT_EQ(list.Extract(second), nullptr);
        EXPECT_THROW(list.Items(2), EListError);
        EXPECT_THROW(list.Delete(-1), EListError);
        EXPECT_THROW(list.Insert(5, std::make_unique<Counted>(&alive)), EListError);
        list.Clear();
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0);
}
