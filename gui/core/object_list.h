// An ordered list that owns its objects: removing an object from the list frees
// it, unless it is extracted.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "gui/core/exceptions.h"

namespace gui {

template <typename T>
class TObjectList {
public:
    int Count() const { return int(items_.size()); }
    T* Items(int index) const { return items_[Check(index)].get(); }
    T* operator[](int index) const { return Items(index); }

    int Add(std::unique_ptr<T> item)
    {
        items_.push_back(std::move(item));
        return Count() - 1;
    }
    void Insert(int index, std::unique_ptr<T> item)
    {
        if (index != Count())
            Check(index);
        items_.insert(items_.begin() + index, std::move(item));
    }
    void Delete(int index) { items_.erase(items_.begin() + Check(index)); }
    void Clear() { items_.clear(); }
    int IndexOf(const T* item) const
    {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == item)
                return int(i);
        return -1;
    }
    // Takes the object out of the list without freeing it.
    std::unique_ptr<T> Extract(const T* item)
    {
        const int i = IndexOf(item);
        if (i < 0)
            return nullptr;
        std::unique_ptr<T> owned = std::move(items_[size_t(i)]);
        items_.erase(items_.begin() + i);
        return owned;
    }

private:
    size_t Check(int index) const
    {
        if (index < 0 || index >= Count())
            throw EListError("List index out of bounds (" + std::to_string(index) + ")");
        return size_t(index);
    }

    std::vector<std::unique_ptr<T>> items_;
};

}  // namespace gui
