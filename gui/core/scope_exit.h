// Runs an action when the scope it lives in is left, by a return or by an
// exception: the way to put back a flag, a counter or a pointer that a call
// changes for its own duration.
#pragma once

#include <utility>

namespace gui {

template <typename Action>
class TScopeExit {
public:
    explicit TScopeExit(Action action) : action_(std::move(action)) {}
    ~TScopeExit() { action_(); }
    TScopeExit(const TScopeExit&) = delete;
    TScopeExit& operator=(const TScopeExit&) = delete;

private:
    Action action_;
};

// Usage: const auto restore = gui::ScopeExit([&] { busy = false; });
template <typename Action>
TScopeExit<Action> ScopeExit(Action action)
{
    return TScopeExit<Action>(std::move(action));
}

}  // namespace gui
